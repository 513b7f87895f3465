#include "app/picker_layout.h"

#include "ui/button.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

using ui::Kind;
using ui::LayoutRow;

ui::Layout PickerLayout() {
  return {
      LayoutRow("Background", Kind::Image).At(0, 0, 228, 502).Picture("picker background"),
      LayoutRow("RzToolButton1", Kind::PictureButton).At(200, 8, 20, 20).Picture("close"),
      LayoutRow("RzCheckList1", Kind::CheckList).At(8, 64, 129, 433).ItemHeight(17),
      LayoutRow("RzButton1", Kind::Button).At(144, 112, 75, 25).Caption("Add"),
  };
}

void ApplyPickerDesign(ui::Form& form, ui::ControlSet& controls) {
  // Never shown on screen (the window has no title bar); it names the window to the system.
  form.SetCaption("Custom resolution");
  form.SetBounds({0, 0, 228, 502});
  form.SetBackgroundColor(ui::kBlack);
  form.SetBorderStyle(ui::BorderStyle::None);
  form.SetPosition(ui::FormPosition::OwnerCenter);
  form.SetStaysOnTop(true);

  controls.Get<ui::PictureButton>("RzToolButton1").SetFlat(true);
  controls.Get<ui::Button>("RzButton1").SetCursor(ui::Cursor::HandPoint);
}

}  // namespace tamsendor::app

#include "app/main_form_layout.h"

#include "ui/label.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

using ui::Kind;
using ui::LayoutRow;

ui::Layout MainFormLayout() {
  return {
      LayoutRow("Image4", Kind::Image).At(0, 0, 559, 475).Picture("main background"),
      LayoutRow("SpeedButton2", Kind::PictureButton)
          .At(517, 7, 17, 17)
          .Hint("Minimize")
          .Picture("minimize"),
      LayoutRow("SpeedButton1", Kind::PictureButton)
          .At(533, 7, 18, 17)
          .Hint("Exit")
          .Picture("close"),
      LayoutRow("StatusInfo", Kind::Label).At(16, 458, 530, 14),
  };
}

void ApplyMainFormDesign(ui::Form& form, const ui::ControlSet& controls) {
  form.SetCaption("Korvalin Tamsendor");
  form.SetBounds({0, 0, 559, 475});
  form.SetBackgroundColor(ui::kBlack);
  form.SetBorderStyle(ui::BorderStyle::None);
  form.SetPosition(ui::FormPosition::DesktopCenter);

  controls.Get<ui::PictureButton>("SpeedButton2").SetFlat(true);
  controls.Get<ui::PictureButton>("SpeedButton1").SetFlat(true);

  auto& status = controls.Get<ui::Label>("StatusInfo");
  status.SetFontColor(ui::kSilver);
  status.SetTransparent(true);
}

}  // namespace tamsendor::app

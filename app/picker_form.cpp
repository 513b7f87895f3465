#include "app/picker_form.h"

#include "app/picker_layout.h"
#include "ui/button.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

TForm3::TForm3(TForm1& mainWindow, platform::Registry& registry,
               const platform::DisplayModes& display, platform::Timers& timers)
    : form_("TForm3"),
      controls_(PickerLayout(), timers),
      picker_({mainWindow.Form(), mainWindow.Controls().Get<ui::Edit>("CusWidth"),
               mainWindow.Controls().Get<ui::Edit>("CusHeight"), form_,
               controls_.Get<ui::CheckList>("RzCheckList1")},
              registry, display) {
  ApplyPickerDesign(form_, controls_);
  Connect(mainWindow.Controls());
}

void TForm3::Connect(const ui::ControlSet& mainControls) {
  mainControls.Get<ui::Button>("CusPossibilities").OnClick = [this] {
    picker_.CusPossibilitiesClick();
  };
  form_.OnActivate = [this] { picker_.FormActivate(); };
  form_.OnDeactivate = [this] { picker_.FormDeactivate(); };
  controls_.Get<ui::Button>("RzButton1").OnClick = [this] { picker_.RzButton1Click(); };
  controls_.Get<ui::PictureButton>("RzToolButton1").OnClick = [this] {
    picker_.RzToolButton1Click();
  };
  // Escape leaves the picker as its close button does.
  form_.OnCancel = [this] { picker_.RzToolButton1Click(); };
}

}  // namespace tamsendor::app

#include "app/picker_form.h"

#include "app/picker_layout.h"
#include "ui/button.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

TForm3::TForm3(TForm1& mainWindow, platform::Registry& registry,
               const platform::DisplayModes& display, platform::Timers& timers)
    : LaidOutForm("TForm3", PickerLayout(), timers),
      picker_({mainWindow.Form(), mainWindow.Named().CusWidth, mainWindow.Named().CusHeight, Form(),
               Controls().Get<ui::CheckList>("RzCheckList1")},
              registry, display) {
  ApplyPickerDesign(Form(), Controls());
  Connect(mainWindow.Named());
}

void TForm3::Connect(MainControls& mainWindow) {
  mainWindow.CusPossibilities.OnClick = [this] { picker_.CusPossibilitiesClick(); };
  Form().OnActivate = [this] { picker_.FormActivate(); };
  Form().OnDeactivate = [this] { picker_.FormDeactivate(); };
  Controls().Get<ui::Button>("RzButton1").OnClick = [this] { picker_.RzButton1Click(); };
  Controls().Get<ui::PictureButton>("RzToolButton1").OnClick = [this] {
    picker_.RzToolButton1Click();
  };
  // Escape leaves the picker as its close button does.
  Form().OnCancel = [this] { picker_.RzToolButton1Click(); };
}

}  // namespace tamsendor::app

#pragma once

#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/registry.h"
#include "ui/check_list.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace tamsendor::app {

struct PickerControls {
  ui::Form& MainWindow;  // TForm1
  ui::Edit& CusWidth;
  ui::Edit& CusHeight;
  ui::Form& Picker;  // TForm3
  ui::CheckList& RzCheckList1;
};

// The custom resolution picker: it lists the sizes the display offers, and "Add" copies the
// first ticked one into the main window's read-only custom width and height fields and into the
// stored "CusW" and "CusH". It leaves `cusresbox` alone: choosing the custom size for a
// benchmark stays the user's tick on the main window.
class ResolutionPicker {
 public:
  ResolutionPicker(const PickerControls& controls, platform::Registry& registry,
                   const platform::DisplayModes& display)
      : c_(controls), registry_(registry), display_(display) {}

  // "Possibilities" on the main window: the picker over it, modally.
  void CusPossibilitiesClick();
  // Every activation asks the display afresh, so coming back from another program shows its
  // current sizes, none ticked.
  void FormActivate();
  void FormDeactivate();
  // "Add": the first ticked size, then close; with none ticked it only closes.
  void RzButton1Click();
  // The close button: no change.
  void RzToolButton1Click();

 private:
  PickerControls c_;
  platform::Registry& registry_;
  const platform::DisplayModes& display_;
  // The sizes listed at the last activation, kept while the picker is the active window.
  std::vector<std::string> displayModeList_;
};

}  // namespace tamsendor::app

#include "app/resolution_picker.h"

#include <algorithm>

#include "app/display_mode_list.h"
#include "core/product_key.h"

namespace tamsendor::app {

void ResolutionPicker::CusPossibilitiesClick() {
  c_.Picker.ShowModal(c_.MainWindow);
}

void ResolutionPicker::FormActivate() {
  displayModeList_ = BuildDisplayModeList(display_);
  c_.RzCheckList1.SetItems(displayModeList_);
}

void ResolutionPicker::FormDeactivate() {
  displayModeList_.clear();
}

void ResolutionPicker::RzButton1Click() {
  const auto& items = c_.RzCheckList1.Items();
  const auto ticked =
      std::find_if(items.begin(), items.end(), [](const auto& item) { return item.checked; });
  if (ticked != items.end()) {
    if (const auto size = SplitModeText(ticked->caption)) {
      c_.CusWidth.SetText(size->width);
      c_.CusHeight.SetText(size->height);
      // Without the product key the fields still show the size; only the store is skipped.
      core::WriteProductValue(registry_, "CusW", size->width);
      core::WriteProductValue(registry_, "CusH", size->height);
    }
  }
  c_.Picker.Close();
}

void ResolutionPicker::RzToolButton1Click() {
  c_.Picker.Close();
}

}  // namespace tamsendor::app

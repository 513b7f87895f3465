#pragma once

#include <string>
#include <vector>

#include "bench/run_state.h"
#include "platform/display.h"
#include "platform/registry.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"

namespace tamsendor::app {

// The distinct "W x H" texts of the primary display's modes, in the driver's order.
std::vector<std::string> BuildDisplayModeList(const platform::DisplayModes& display);

struct StoredChoiceControls {
  ui::CheckGroup& res;
  ui::ComboBox& RunNumberBox;
  ui::ComboBox& HeapsizeBox;
  ui::ComboBox& RefreshBox;
  ui::ComboBox& DXLevelBox;
  ui::CheckBox& FastZBox;
};

// The user's choices kept in the product key, read into the controls at start-up. A missing or
// unexpected value leaves the control as designed (no selection, unchecked), except the check
// boxes, which only "0" unchecks.
class SettingsStore {
 public:
  SettingsStore(const platform::Registry& registry, const StoredChoiceControls& controls)
      : registry_(registry), c_(controls) {}

  // Rows the display cannot show are disabled and unchecked; the others take their stored tick.
  void ReadResolutions(const std::vector<std::string>& displayModeList);
  // "RunNumber" 1-5 selects its item and sets the run count; anything else leaves it 0.
  void ReadRunNumber(bench::RunState& state);
  void ReadEngineOptions();

 private:
  std::string Stored(const char* name) const;
  void SelectStoredItem(const char* name, const std::vector<std::string>& storedTexts,
                        ui::ComboBox& box) const;

  const platform::Registry& registry_;
  StoredChoiceControls c_;
};

}  // namespace tamsendor::app

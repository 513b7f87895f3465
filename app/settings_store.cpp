#include "app/settings_store.h"

#include <algorithm>

#include "bench/product_key.h"
#include "bench/resolution_table.h"

namespace tamsendor::app {

std::vector<std::string> BuildDisplayModeList(const platform::DisplayModes& display) {
  std::vector<std::string> list;
  for (const platform::DisplayMode& mode : display.PrimaryModes()) {
    std::string text = std::to_string(mode.width) + " x " + std::to_string(mode.height);
    if (std::find(list.begin(), list.end(), text) == list.end())
      list.push_back(std::move(text));
  }
  return list;
}

std::string SettingsStore::Stored(const char* name) const {
  return registry_.ReadString(bench::kProductRoot, std::string(bench::kProductKey), name)
      .value_or("");
}

void SettingsStore::ReadResolutions(const std::vector<std::string>& displayModeList) {
  // Looked up in the joined list, line by line, as a text search: "640 x 480" is offered when any
  // line holds it.
  std::string joined;
  for (const std::string& mode : displayModeList)
    joined += mode + "\r\n";
  for (const bench::ResolutionEntry& row : bench::kResolutionTable) {
    const auto item = static_cast<std::size_t>(row.Row);
    if (joined.find(row.ModeText) != std::string::npos) {
      c_.res.SetItemEnabled(item, true);
      c_.res.SetItemChecked(item, Stored(std::string(row.SettingName).c_str()) == "1");
    } else {
      c_.res.SetItemChecked(item, false);
      c_.res.SetItemEnabled(item, false);
    }
  }
}

void SettingsStore::SelectStoredItem(const char* name, const std::vector<std::string>& storedTexts,
                                     ui::ComboBox& box) const {
  const std::string value = Stored(name);
  const auto found = std::find(storedTexts.begin(), storedTexts.end(), value);
  if (found != storedTexts.end())
    box.SetItemIndex(static_cast<int>(found - storedTexts.begin()));
}

void SettingsStore::ReadRunNumber(bench::RunState& state) {
  SelectStoredItem("RunNumber", {"1", "2", "3", "4", "5"}, c_.RunNumberBox);
  if (c_.RunNumberBox.ItemIndex() >= 0)
    state.RunCount = c_.RunNumberBox.ItemIndex() + 1;
}

void SettingsStore::ReadEngineOptions() {
  SelectStoredItem("Heapsize", {"64000", "128000", "256000", "512000", "1024000"}, c_.HeapsizeBox);
  SelectStoredItem("Refresh", {"60", "70", "75", "85"}, c_.RefreshBox);
  SelectStoredItem("DXLevel", {"0", "1"}, c_.DXLevelBox);
  c_.FastZBox.SetChecked(Stored("FastZ") != "0");
}

}  // namespace tamsendor::app

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "ui/combo_box.h"

namespace tamsendor::app {

// A drop-down choice kept in the product key: item i is stored as the i-th text.
struct StoredList {
  ui::ComboBox& box;
  std::string_view valueName;
  std::vector<std::string_view> storedTexts;
};

// Selects the item whose stored text the value holds exactly; any other value leaves the box as
// designed, without a selection.
void ReadStoredList(const platform::Registry& registry, const StoredList& list);

// Stores the selected item's text; nothing when no item is selected or the key is missing.
void WriteStoredList(platform::Registry& registry, const StoredList& list);

}  // namespace tamsendor::app

#include "app/stored_list.h"

#include <algorithm>

#include "core/product_key.h"

namespace tamsendor::app {

void ReadStoredList(const platform::Registry& registry, const StoredList& list) {
  const std::string value = core::ReadProductValue(registry, list.valueName);
  const auto found = std::find(list.storedTexts.begin(), list.storedTexts.end(), value);
  if (found != list.storedTexts.end())
    list.box.SetItemIndex(static_cast<int>(found - list.storedTexts.begin()));
}

void WriteStoredList(platform::Registry& registry, const StoredList& list) {
  const int index = list.box.ItemIndex();
  if (index < 0 || index >= static_cast<int>(list.storedTexts.size()))
    return;
  core::WriteProductValue(registry, list.valueName,
                          std::string(list.storedTexts[static_cast<std::size_t>(index)]));
}

}  // namespace tamsendor::app

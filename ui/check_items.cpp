#include "ui/check_items.h"

namespace tamsendor::ui {

void CheckItems::SetItems(const std::vector<std::string>& captions) {
  std::vector<Item> items;
  for (const std::string& caption : captions)
    items.push_back(Item{caption});
  Set(items_, std::move(items), Property::Items);
}

void CheckItems::SetItemChecked(std::size_t index, bool checked) {
  Set(items_.at(index).checked, checked, Property::ItemState);
}

void CheckItems::SetItemEnabled(std::size_t index, bool enabled) {
  Set(items_.at(index).enabled, enabled, Property::ItemState);
}

void CheckItems::HandleItemToggle(std::size_t index) {
  if (!Enabled() || index >= items_.size() || !items_[index].enabled)
    return;
  SetItemChecked(index, !items_[index].checked);
  if (OnItemClick)
    OnItemClick(index);
  HandleClick();
}

}  // namespace tamsendor::ui

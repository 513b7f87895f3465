#include "ui/radio_group.h"

namespace tamsendor::ui {

void RadioGroup::SetItems(std::vector<std::string> items) {
  itemIndex_ = -1;
  items_ = std::move(items);
  Changed(Property::Items);
}

void RadioGroup::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()))
    index = -1;
  if (Set(itemIndex_, index, Property::ItemIndex) && OnChanging)
    OnChanging();
}

void RadioGroup::HandleItemChosen(int index) {
  if (!Enabled())
    return;
  SetItemIndex(index);
  HandleClick();
}

}  // namespace tamsendor::ui

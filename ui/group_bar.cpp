#include "ui/group_bar.h"

namespace tamsendor::ui {

void BarGroup::SetItems(const std::vector<std::string>& captions) {
  items_.clear();
  for (const std::string& caption : captions)
    items_.push_back(Item{caption, nullptr});
  Changed(Property::Items);
}

void BarGroup::HandleItemClick(std::size_t index) {
  if (!Enabled() || index >= items_.size())
    return;
  if (items_[index].OnClick)
    items_[index].OnClick();
}

void GroupBar::AddGroup(BarGroup& group) {
  groups_.push_back(&group);
  Changed(Property::Items);
}

void GroupBar::SetOpenGroupIndex(int index) {
  if (index < 0 || index >= static_cast<int>(groups_.size()))
    index = -1;
  Set(openGroup_, index, Property::OpenGroup);
}

void GroupBar::HandleCaptionClick(int group) {
  if (!Enabled() || group < 0 || group >= static_cast<int>(groups_.size()))
    return;
  SetOpenGroupIndex(group == openGroup_ ? -1 : group);
}

void GroupBar::HandleItemClick(int group, std::size_t item) {
  if (!Enabled() || group != openGroup_ || group < 0)
    return;
  groups_[static_cast<std::size_t>(group)]->HandleItemClick(item);
}

}  // namespace tamsendor::ui

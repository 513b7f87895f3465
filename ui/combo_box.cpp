#include "ui/combo_box.h"

#include <algorithm>

namespace tamsendor::ui {

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  text_.clear();
  Changed(Property::Items);
}

void ComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()))
    index = -1;
  Set(itemIndex_, index, Property::ItemIndex);
  Set(text_, index < 0 ? std::string() : items_[static_cast<std::size_t>(index)], Property::Text);
}

void ComboBox::SetText(std::string text) {
  const auto match = std::find(items_.begin(), items_.end(), text);
  if (match == items_.end() && !TakesTypedText())
    text.clear();
  Set(itemIndex_, match == items_.end() ? -1 : static_cast<int>(match - items_.begin()),
      Property::ItemIndex);
  Set(text_, std::move(text), Property::Text);
}

void ComboBox::HandleSelect(int index) {
  if (!Enabled())
    return;
  const int before = itemIndex_;
  SetItemIndex(index);
  if (itemIndex_ != before && OnChange)
    OnChange();
}

void ComboBox::HandleTyped(std::string text) {
  if (!Enabled() || !TakesTypedText() || text == text_)
    return;
  SetText(std::move(text));
  if (OnChange)
    OnChange();
}

}  // namespace tamsendor::ui

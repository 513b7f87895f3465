#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tamsendor::ui {

// A framed group of mutually exclusive choices in columns. ItemIndex is -1 when none is chosen.
// OnChanging fires after every change of ItemIndex, from code or from the user, with the new
// choice already made; a user's choice also fires OnClick.
class RadioGroup : public Control {
 public:
  using Control::Control;

  // Replaces the items and clears the choice (without firing OnChanging).
  void SetItems(std::vector<std::string> items);
  const std::vector<std::string>& Items() const { return items_; }

  int ItemIndex() const { return itemIndex_; }
  // An index outside the items means no choice.
  void SetItemIndex(int index);

  int Columns() const { return columns_; }
  void SetColumns(int columns) { Set(columns_, columns < 1 ? 1 : columns, Property::Items); }

  std::function<void()> OnChanging;
  void HandleItemChosen(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace tamsendor::ui

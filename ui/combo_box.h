#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tamsendor::ui {

// A drop-down list whose text field also accepts typed text. ItemIndex is the chosen item, or -1
// when the text matches none. Setting ItemIndex or Text from code fires nothing; a user's choice
// or typing fires OnChange.
class ComboBox : public Control {
 public:
  using Control::Control;

  // Replaces the items and clears the choice and the text.
  void SetItems(std::vector<std::string> items);
  const std::vector<std::string>& Items() const { return items_; }

  int ItemIndex() const { return itemIndex_; }
  // Takes the item's text; an index outside the items empties the text.
  void SetItemIndex(int index);

  const std::string& Text() const { return text_; }
  // Chooses the item with exactly this text, if there is one.
  void SetText(std::string text);

  std::function<void()> OnChange;
  void HandleSelect(int index);
  void HandleTyped(std::string text);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::string text_;
};

}  // namespace tamsendor::ui

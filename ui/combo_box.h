#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tamsendor::ui {

// What the box's field takes: only a choice from its list, or typed text as well.
enum class ComboStyle { DropDownList, DropDown };

// A drop-down list; with the DropDown style its text field also accepts typed text. ItemIndex is
// the chosen item, or -1 when the text matches none. Setting ItemIndex or Text from code fires
// nothing; a user's choice or typing fires OnChange. The style is fixed at creation, as the
// system's combo boxes have it.
class ComboBox : public Control {
 public:
  explicit ComboBox(std::string name, ComboStyle style = ComboStyle::DropDownList)
      : Control(std::move(name)), style_(style) {}

  ComboStyle Style() const { return style_; }
  bool TakesTypedText() const { return style_ == ComboStyle::DropDown; }

  // Replaces the items and clears the choice and the text.
  void SetItems(std::vector<std::string> items);
  const std::vector<std::string>& Items() const { return items_; }

  int ItemIndex() const { return itemIndex_; }
  // Takes the item's text; an index outside the items empties the text.
  void SetItemIndex(int index);

  const std::string& Text() const { return text_; }
  // Chooses the item with exactly this text, if there is one; a box that takes no typed text
  // then shows none.
  void SetText(std::string text);

  std::function<void()> OnChange;
  void HandleSelect(int index);
  // Ignored by a box that takes no typed text.
  void HandleTyped(std::string text);

 private:
  ComboStyle style_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::string text_;
};

}  // namespace tamsendor::ui

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tamsendor::ui {

// A control of items that each have a check box, with their own checked and enabled state. A
// user's toggle changes the item and then fires OnItemClick with its index (and OnClick).
class CheckItems : public Control {
 public:
  struct Item {
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool operator==(const Item&) const = default;
  };

  using Control::Control;

  // Replaces the items; each starts unchecked and enabled.
  void SetItems(const std::vector<std::string>& captions);
  const std::vector<Item>& Items() const { return items_; }
  std::size_t ItemCount() const { return items_.size(); }

  bool ItemChecked(std::size_t index) const { return items_.at(index).checked; }
  void SetItemChecked(std::size_t index, bool checked);
  bool ItemEnabled(std::size_t index) const { return items_.at(index).enabled; }
  void SetItemEnabled(std::size_t index, bool enabled);

  std::function<void(std::size_t index)> OnItemClick;
  // A disabled control or item, or an index beyond the items, changes nothing.
  void HandleItemToggle(std::size_t index);

 private:
  std::vector<Item> items_;
};

}  // namespace tamsendor::ui

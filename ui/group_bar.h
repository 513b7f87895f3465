#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tamsendor::ui {

// One group of a group bar: a caption (its FontColor is the caption's colour) and the items
// shown below it while the group is open. Each item has its own click event.
class BarGroup : public Control {
 public:
  struct Item {
    std::string caption;
    std::function<void()> OnClick;
  };

  using Control::Control;

  void SetItems(const std::vector<std::string>& captions);
  std::size_t ItemCount() const { return items_.size(); }
  Item& ItemAt(std::size_t index) { return items_.at(index); }
  const Item& ItemAt(std::size_t index) const { return items_.at(index); }

  void HandleItemClick(std::size_t index);

 private:
  std::vector<Item> items_;
};

// A vertical bar of groups, of which at most one is open; all start closed. Clicking a closed
// group's caption opens it (and closes the other), clicking the open one closes it.
class GroupBar : public Control {
 public:
  using Control::Control;

  // Groups show from top to bottom in the order added.
  void AddGroup(BarGroup& group);
  const std::vector<BarGroup*>& Groups() const { return groups_; }

  int OpenGroupIndex() const { return openGroup_; }
  // An index outside the groups closes all.
  void SetOpenGroupIndex(int index);

  void HandleCaptionClick(int group);
  void HandleItemClick(int group, std::size_t item);

 private:
  std::vector<BarGroup*> groups_;
  int openGroup_ = -1;
};

}  // namespace tamsendor::ui

#pragma once

#include "ui/check_items.h"

namespace tamsendor::ui {

// A scrollable list of check items in rows of ItemHeight pixels.
class CheckList : public CheckItems {
 public:
  using CheckItems::CheckItems;

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int pixels) { Set(itemHeight_, pixels < 1 ? 1 : pixels, Property::Items); }

 private:
  int itemHeight_ = 17;
};

}  // namespace tamsendor::ui

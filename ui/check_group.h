#pragma once

#include "ui/check_items.h"

namespace tamsendor::ui {

// A framed group of check boxes laid out in columns.
class CheckGroup : public CheckItems {
 public:
  using CheckItems::CheckItems;

  int Columns() const { return columns_; }
  void SetColumns(int columns) { Set(columns_, columns < 1 ? 1 : columns, Property::Items); }

 private:
  int columns_ = 1;
};

}  // namespace tamsendor::ui

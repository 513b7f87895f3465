#pragma once

#include <vector>

#include "ui/control.h"
#include "ui/panel.h"

namespace tamsendor::ui {

// Pages without tabs: the code chooses which page shows. Only the active page is visible; with
// no active page (-1) none is.
class PageControl : public Control {
 public:
  using Control::Control;

  void AddPage(Panel& page);
  const std::vector<Panel*>& Pages() const { return pages_; }

  int ActivePageIndex() const { return activePage_; }
  // An index outside the pages shows none.
  void SetActivePageIndex(int index);

 private:
  std::vector<Panel*> pages_;
  int activePage_ = -1;
};

}  // namespace tamsendor::ui

#include "ui/page_control.h"

namespace tamsendor::ui {

void PageControl::AddPage(Panel& page) {
  pages_.push_back(&page);
  page.SetVisible(static_cast<int>(pages_.size()) - 1 == activePage_);
}

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()))
    index = -1;
  activePage_ = index;
  for (std::size_t i = 0; i < pages_.size(); ++i)
    pages_[i]->SetVisible(static_cast<int>(i) == activePage_);
}

}  // namespace tamsendor::ui

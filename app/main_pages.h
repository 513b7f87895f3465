#pragma once

#include "ui/page_control.h"

namespace tamsendor::app {

// The page area of the main window: hidden until a "Benchmark" item of the group bar shows one
// of its four pages; "About..." hides it again so the picture beneath shows.
class MainPages {
 public:
  explicit MainPages(ui::PageControl& PageControl) : PageControl_(PageControl) {}

  void RzGroup1Items0Click() { Show(0); }
  void RzGroup1Items1Click() { Show(1); }
  void RzGroup1Items2Click() { Show(2); }
  void RzGroup1Items3Click() { Show(3); }
  void RzGroup3Items4Click() { PageControl_.SetVisible(false); }

 private:
  void Show(int page) {
    PageControl_.SetVisible(true);
    PageControl_.SetActivePageIndex(page);
  }

  ui::PageControl& PageControl_;
};

}  // namespace tamsendor::app

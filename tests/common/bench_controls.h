#pragma once

#include <string>
#include <vector>

#include "app/main_controls.h"
#include "app/main_form_layout.h"
#include "platform/ui_thread.h"
#include "ui/laid_out_form.h"

namespace tamsendor::testing {

// The main window's controls, headless, made from the window's own layout and design and named
// as the program names them. The engine options start at their first items, as a user who opened
// the page would find them stored.
struct BenchControls : ui::LaidOutForm, app::MainControls {
  explicit BenchControls(platform::Timers& timers);

  // Ticks the rows, the custom size (when a text is given) and the run number.
  void Choose(const std::vector<int>& rows, int runCount, const std::string& customWidth = "",
              const std::string& customHeight = "");
};

inline BenchControls::BenchControls(platform::Timers& timers)
    : LaidOutForm("TForm1", app::MainFormLayout(), timers), MainControls(Form(), Controls()) {
  app::ApplyMainFormDesign(Form(), Controls());
  RefreshBox.SetItemIndex(0);
  HeapsizeBox.SetItemIndex(0);
  DXLevelBox.SetItemIndex(0);
}

inline void BenchControls::Choose(const std::vector<int>& rows, int runCount,
                                  const std::string& customWidth, const std::string& customHeight) {
  for (int row : rows)
    res.SetItemChecked(static_cast<std::size_t>(row), true);
  if (!customWidth.empty() || !customHeight.empty()) {
    cusresbox.SetChecked(true);
    CusWidth.SetText(customWidth);
    CusHeight.SetText(customHeight);
  }
  RunNumberBox.SetItemIndex(runCount - 1);
}

}  // namespace tamsendor::testing

#pragma once

#include "bench/benchmark_start.h"
#include "bench/resolution_launcher.h"
#include "platform/ui_thread.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace tamsendor::testing {

// The main window's controls that a benchmark reads and writes, headless, with the items and
// start states the window gives them.
struct BenchControls {
  explicit BenchControls(platform::Timers& timers);

  // Ticks the rows, the custom size (when a text is given) and the run number.
  void Choose(const std::vector<int>& rows, int runCount, const std::string& customWidth = "",
              const std::string& customHeight = "");

  bench::LaunchControls ForLaunch() {
    return {MainWindow, res, cusresbox, CusWidth, CusHeight, Label21, StatusInfo, BenchButton};
  }
  bench::StartControls ForStart() {
    return {MainWindow, StatusInfo,           BenchButton,  Panel2,   Label20,    Label21,
            RunsLabel,  AdvCircularProgress1, RunNumberBox, FastZBox, RefreshBox, HeapsizeBox,
            DXLevelBox};
  }

  ui::Form MainWindow{"TForm1"};
  ui::Label StatusInfo{"StatusInfo"};
  ui::Button BenchButton{"BenchButton"};
  ui::Panel Panel2{"Panel2"};
  ui::Label Label20{"Label20"};
  ui::Label Label21{"Label21"};
  ui::Label RunsLabel{"RunsLabel"};
  ui::BusyIndicator AdvCircularProgress1;
  ui::ComboBox RunNumberBox{"RunNumberBox"};
  ui::CheckBox FastZBox{"FastZBox"};
  ui::ComboBox RefreshBox{"RefreshBox"};
  ui::ComboBox HeapsizeBox{"HeapsizeBox"};
  ui::ComboBox DXLevelBox{"DXLevelBox"};
  ui::CheckGroup res{"res"};
  ui::CheckBox cusresbox{"cusresbox"};
  ui::Edit CusWidth{"CusWidth"};
  ui::Edit CusHeight{"CusHeight"};
};

inline BenchControls::BenchControls(platform::Timers& timers)
    : AdvCircularProgress1("AdvCircularProgress1", timers) {
  Panel2.SetVisible(false);
  AdvCircularProgress1.SetVisible(false);
  AdvCircularProgress1.SetEnabled(false);
  res.SetItems({"640 \xC3\x97 480", "800 \xC3\x97 600", "1024 \xC3\x97 768", "1280 \xC3\x97 1024",
                "1600 \xC3\x97 1200", "2048 \xC3\x97 1536", "1280 \xC3\x97 768",
                "1920 \xC3\x97 1080", "1920 \xC3\x97 1200"});
  RunNumberBox.SetItems({"1", "2", "3", "4", "5"});
  RefreshBox.SetItems({"60 Hz", "70 Hz", "75 Hz", "85 Hz"});
  HeapsizeBox.SetItems({"64 MB - default", "128 MB", "256 MB", "512 MB", "1024 MB"});
  DXLevelBox.SetItems({"DirectX 9.0", "DirectX 9.0+"});
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

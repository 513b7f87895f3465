#pragma once

#include "app/main_form_layout.h"
#include "bench/benchmark_start.h"
#include "bench/resolution_launcher.h"
#include "platform/ui_thread.h"
#include "report/result_collection.h"
#include "ui/busy_indicator.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/control_set.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"

namespace tamsendor::testing {

// The main window's controls that a benchmark reads and writes, headless, made from the window's
// own layout and design. The engine options start at their first items, as a user who opened
// the page would find them stored.
struct BenchControls {
  explicit BenchControls(platform::Timers& timers);

  // Ticks the rows, the custom size (when a text is given) and the run number.
  void Choose(const std::vector<int>& rows, int runCount, const std::string& customWidth = "",
              const std::string& customHeight = "");

  bench::LaunchControls ForLaunch() {
    return {MainWindow, res,        cusresbox,   CusWidth, CusHeight,
            Label21,    StatusInfo, BenchButton, Panel2};
  }
  bench::StartControls ForStart() {
    return {MainWindow, StatusInfo,           BenchButton,  Panel2,   Label20,    Label21,
            RunsLabel,  AdvCircularProgress1, RunNumberBox, FastZBox, RefreshBox, HeapsizeBox,
            DXLevelBox};
  }
  report::CollectionControls ForCollection() {
    return {Panel2,      BenchButton, StatusInfo, NoteEdit, CusWidth, CusHeight, HDRBox,
            HeapsizeBox, MBlurBox,    DXLevelBox, AABox,    AFBox,    FastZBox,  ColorCorrBox};
  }

  ui::ControlSet set;
  ui::Form MainWindow{"TForm1"};
  template <typename T>
  T& Get(const char* name) {
    return set.Get<T>(name);
  }
  ui::Label& StatusInfo = Get<ui::Label>("StatusInfo");
  ui::PictureButton& BenchButton = Get<ui::PictureButton>("BenchButton");
  ui::Panel& Panel2 = Get<ui::Panel>("Panel2");
  ui::Label& Label20 = Get<ui::Label>("Label20");
  ui::Label& Label21 = Get<ui::Label>("Label21");
  ui::Label& RunsLabel = Get<ui::Label>("RunsLabel");
  ui::BusyIndicator& AdvCircularProgress1 = Get<ui::BusyIndicator>("AdvCircularProgress1");
  ui::ComboBox& RunNumberBox = Get<ui::ComboBox>("RunNumberBox");
  ui::CheckBox& FastZBox = Get<ui::CheckBox>("FastZBox");
  ui::CheckBox& ColorCorrBox = Get<ui::CheckBox>("ColorCorrBox");
  ui::ComboBox& RefreshBox = Get<ui::ComboBox>("RefreshBox");
  ui::ComboBox& HeapsizeBox = Get<ui::ComboBox>("HeapsizeBox");
  ui::ComboBox& DXLevelBox = Get<ui::ComboBox>("DXLevelBox");
  ui::ComboBox& HDRBox = Get<ui::ComboBox>("HDRBox");
  ui::ComboBox& MBlurBox = Get<ui::ComboBox>("MBlurBox");
  ui::ComboBox& AABox = Get<ui::ComboBox>("AABox");
  ui::ComboBox& AFBox = Get<ui::ComboBox>("AFBox");
  ui::CheckGroup& res = Get<ui::CheckGroup>("res");
  ui::CheckBox& cusresbox = Get<ui::CheckBox>("cusresbox");
  ui::Edit& CusWidth = Get<ui::Edit>("CusWidth");
  ui::Edit& CusHeight = Get<ui::Edit>("CusHeight");
  ui::Edit& NoteEdit = Get<ui::Edit>("NoteEdit");
};

inline BenchControls::BenchControls(platform::Timers& timers) : set(app::MainFormLayout(), timers) {
  app::ApplyMainFormDesign(MainWindow, set);
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

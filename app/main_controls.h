#pragma once

#include "app/settings_controls.h"
#include "bench/benchmark_progress.h"
#include "bench/benchmark_start.h"
#include "bench/resolution_launcher.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_settings.h"
#include "report/result_collection.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/control_set.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_bar.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/radio_group.h"

namespace tamsendor::app {

// The main window's controls that the program works with, each by its name and kind, looked up
// once in the controls made from the window's layout (a name or kind the layout does not have
// fails there, at once). The bundles each subsystem takes are made here, in one place, for the
// program and for the tests alike.
struct MainControls {
  MainControls(ui::Form& form, ui::ControlSet& controls);

  bench::LaunchControls ForLaunch() const;
  bench::ProgressControls ForProgress() const;
  bench::StartControls ForStart() const;
  report::CollectionControls ForCollection() const;
  gameconfig::GameSettingsControls ForGameSettings() const;
  gameconfig::AutoexecControls ForAutoexec() const;
  gameconfig::DemoControls ForDemos() const;
  SettingsControls ForSettings() const;

  ui::Form& MainWindow;
  // The frame and its buttons.
  ui::PictureButton& SpeedButton1;
  ui::PictureButton& SpeedButton2;
  ui::Image& Image4;
  ui::PageControl& PageControl;
  ui::BarGroup& RzGroup1;
  ui::BarGroup& RzGroup3;
  ui::PictureButton& RzShapeButton1;
  ui::PictureButton& RzShapeButton3;
  ui::PictureButton& RzShapeButton4;
  ui::Label& Label17;
  // The benchmark's progress.
  ui::Label& StatusInfo;
  ui::PictureButton& BenchButton;
  ui::Panel& Panel2;
  ui::Label& Label20;
  ui::Label& Label21;
  ui::Label& RunsLabel;
  ui::BusyIndicator& AdvCircularProgress1;
  ui::Label& TimeLeftLabel;
  ui::Label& TimeLimitLabel;
  ui::Button& StopButton;
  ui::Button& WaitButton;
  // Resolutions.
  ui::CheckGroup& res;
  ui::CheckBox& cusresbox;
  ui::Edit& CusWidth;
  ui::Edit& CusHeight;
  ui::Button& CusPossibilities;
  // Filters, demos and run count.
  ui::ComboBox& AFBox;
  ui::ComboBox& AABox;
  ui::RadioGroup& demo;
  ui::Edit& DemoEdit;
  ui::PictureButton& DemoEditButton;
  ui::ComboBox& RunNumberBox;
  // Engine options.
  ui::ComboBox& HeapsizeBox;
  ui::ComboBox& RefreshBox;
  ui::ComboBox& HDRBox;
  ui::ComboBox& MBlurBox;
  ui::ComboBox& DXLevelBox;
  ui::CheckBox& FastZBox;
  ui::CheckBox& ColorCorrBox;
  // Path & information.
  ui::Edit& HL2PathEdit;
  ui::PictureButton& RzToolButton2;
  ui::Edit& ResEdit;
  ui::PictureButton& RzToolButton5;
  ui::PictureButton& OpenResFolder;
  ui::Edit& NoteEdit;
};

}  // namespace tamsendor::app

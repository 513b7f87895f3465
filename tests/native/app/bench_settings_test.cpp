#include <gtest/gtest.h>

#include "bench/bench_settings.h"
#include "tests/native/app/started_form.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

TEST(BenchSettingsTest, TheChoicesAreWhatTheControlsShowNotWhatIsStored) {
  StartedForm s;
  s.services.display.modes = {{640, 480}, {1024, 768}, {1920, 1080}};
  s.Store("AFLevel", "2");
  s.Start();
  s.Store("AFLevel", "4");  // the store is not read again

  s.Control<ui::CheckGroup>("res").HandleItemToggle(2);
  s.Control<ui::CheckGroup>("res").HandleItemToggle(7);
  s.Control<ui::Edit>("CusWidth").SetText("1280");
  s.Control<ui::Edit>("CusHeight").SetText("720");
  s.Control<ui::CheckBox>("cusresbox").HandleToggle();
  s.Control<ui::RadioGroup>("demo").HandleItemChosen(2);
  s.Control<ui::Edit>("DemoEdit").SetText("D:\\Demos\\mine.dem");
  s.Control<ui::ComboBox>("AABox").SetItemIndex(6);
  s.Control<ui::ComboBox>("RunNumberBox").SetItemIndex(4);
  s.Control<ui::Edit>("NoteEdit").SetText("note");
  s.Control<ui::ComboBox>("HeapsizeBox").SetItemIndex(1);
  s.Control<ui::ComboBox>("RefreshBox").SetItemIndex(3);
  s.Control<ui::CheckBox>("FastZBox").HandleToggle();
  s.Control<ui::ComboBox>("HDRBox").SetItemIndex(2);
  s.Control<ui::ComboBox>("MBlurBox").SetItemIndex(1);

  bench::BenchSettings expected;
  expected.ResolutionChecked = {false, false, true, false, false, false, false, true, false};
  expected.ResolutionAvailable = {true, false, true, false, false, false, false, true, false};
  expected.CustomResolution = true;
  expected.CustomWidth = "1280";
  expected.CustomHeight = "720";
  expected.DetailLevel = 0;
  expected.DemoIndex = 2;
  expected.CustomDemoFile = "D:\\Demos\\mine.dem";
  expected.FilterIndex = 2;
  expected.AntialiasIndex = 6;
  expected.RunsIndex = 4;
  expected.NoteText = "note";
  expected.HeapsizeIndex = 1;
  expected.RefreshIndex = 3;
  expected.FastZEnabled = false;
  expected.HDRIndex = 2;
  expected.ColorCorrectionEnabled = true;
  expected.MBlurIndex = 1;
  expected.DXLevelIndex = -1;
  EXPECT_EQ(s.form->Settings(), expected);
}

}  // namespace
}  // namespace tamsendor::app

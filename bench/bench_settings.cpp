#include "bench/bench_settings.h"

namespace tamsendor::bench {

BenchSettings ReadBenchSettings(const BenchSettingsControls& c) {
  BenchSettings settings;
  for (const ResolutionEntry& row : kResolutionTable) {
    const auto item = static_cast<std::size_t>(row.Row);
    settings.ResolutionChecked[item] = c.res.ItemChecked(item);
    settings.ResolutionAvailable[item] = c.res.ItemEnabled(item);
  }
  settings.CustomResolution = c.cusresbox.Checked();
  settings.CustomWidth = c.CusWidth.Text();
  settings.CustomHeight = c.CusHeight.Text();
  settings.DetailLevel = c.DetailBox.ItemIndex();
  settings.DemoIndex = c.demo.ItemIndex();
  settings.CustomDemoFile = c.DemoEdit.Text();
  settings.FilterIndex = c.AFBox.ItemIndex();
  settings.AntialiasIndex = c.AABox.ItemIndex();
  settings.RunsIndex = c.RunNumberBox.ItemIndex();
  settings.NoteText = c.NoteEdit.Text();
  settings.HeapsizeIndex = c.HeapsizeBox.ItemIndex();
  settings.RefreshIndex = c.RefreshBox.ItemIndex();
  settings.FastZEnabled = c.FastZBox.Checked();
  settings.HDRIndex = c.HDRBox.ItemIndex();
  settings.ColorCorrectionEnabled = c.ColorCorrBox.Checked();
  settings.MBlurIndex = c.MBlurBox.ItemIndex();
  settings.DXLevelIndex = c.DXLevelBox.ItemIndex();
  return settings;
}

}  // namespace tamsendor::bench

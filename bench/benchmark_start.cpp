#include "bench/benchmark_start.h"

#include <string>

#include "bench/process_checks.h"
#include "core/product_key.h"
#include "bench/time_stamps.h"

namespace tamsendor::bench {

void BenchmarkStart::BenchButtonClick() {
  sequencer_.KeepWindowBounds();

  c_.StatusInfo.SetCaption("");
  // Without a game folder the name alone would point into whatever folder is current.
  if (!folders_.GameModFolder.empty()) {
    const std::string results = folders_.GameModFolder + "sourcebench.csv";
    if (s_.files.FileExists(results))
      s_.files.RemoveFile(results);
  }

  c_.BenchButton.SetEnabled(false);
  c_.Label21.SetVisible(false);
  c_.RunsLabel.SetVisible(false);

  IsSteamRunning(s_.processes, SteamRunning_);
  if (!SteamRunning_) {
    OfferToStartSteam();
    return;
  }

  c_.Label20.SetFontSize(10);
  c_.Label20.SetCaption("Collecting system information, please wait...");
  c_.Panel2.SetVisible(true);
  c_.MainWindow.Repaint();

  StoreRunCount();

  if (steps_.TakeCachedDirectXFacts()) {
    StartBenchmark();
    return;
  }
  c_.AdvCircularProgress1.SetVisible(true);
  c_.AdvCircularProgress1.SetEnabled(true);
  steps_.StartDirectXDiagnostic();
}

void BenchmarkStart::OfferToStartSteam() {
  c_.StatusInfo.SetCaption("Error! The Steam NOT running!");
  c_.MainWindow.Repaint();
  if (s_.dialogs.ConfirmYesNo("Error! The STEAM not running. Run now?")) {
    c_.StatusInfo.SetCaption(
        "Please wait while the Steam successfully loaded. After that click RUN again.");
    cp2_.CurrentDirectory = folders_.SteamFolder;
    cp2_.CommandLine = folders_.SteamFolder + "steam.exe";
    cp2_.Program = cp2_.CommandLine;
    try {
      cp2_.Run();
    } catch (const platform::OsError&) {
      c_.StatusInfo.SetCaption("Program error, benchmark aborted!");
    }
  } else {
    c_.StatusInfo.SetCaption("Please RUN the Steam (online or offline) before bench.");
  }
  c_.BenchButton.SetEnabled(true);
}

void BenchmarkStart::StoreRunCount() {
  if (!core::ProductKeyExists(s_.registry))
    return;
  const int index = c_.RunNumberBox.ItemIndex();
  if (index < 0 || index > 4)
    return;
  const std::string count = std::to_string(index + 1);
  core::WriteProductValue(s_.registry, "RunNumber", count);
  sequencer_.SetRunCount(index + 1);
}

void BenchmarkStart::StartBenchmark() {
  c_.MainWindow.Repaint();
  sequencer_.BeginBenchmark(launcher_.ChosenCount());
  const core::RunState& progress = sequencer_.Progress();

  if (progress.ChosenCount < 1) {
    s_.dialogs.ShowMessage("Please, choose a resolution of Half-Life 2 Episode Two.");
    c_.BenchButton.SetEnabled(true);
    c_.Panel2.SetVisible(false);
    return;
  }

  c_.MainWindow.Repaint();
  FileStamp_ = MakeFileStamp(s_.clock.NowShortDateLongTime());
  DisplayStamp_ = s_.clock.NowShortDateLongTime();
  IsoStamp_ = s_.clock.NowIso8601();

  std::optional<std::string> demoName = steps_.PrepareGame();
  if (!demoName) {
    c_.BenchButton.SetEnabled(true);
    c_.Panel2.SetVisible(false);
    return;
  }

  launcher_.TakeLaunchChoices({c_.FastZBox.Checked(), c_.RefreshBox.ItemIndex(),
                               c_.HeapsizeBox.ItemIndex(), c_.DXLevelBox.ItemIndex()},
                              std::move(*demoName));
  steps_.WriteReportHeader();

  c_.Label21.SetVisible(true);
  c_.RunsLabel.SetVisible(true);
  c_.Label20.SetFontSize(12);
  c_.Label20.SetLeft(118);
  c_.Label20.SetCaption("Benchmarking in progress...");

  // The members hand over along the table to the first chosen one; the custom size comes last.
  sequencer_.LaunchFirstResolution();
}

}  // namespace tamsendor::bench

#include "bench/benchmark_start.h"

#include <string>

#include "bench/launch_line.h"
#include "bench/process_checks.h"
#include "core/product_key.h"
#include "bench/runs_caption.h"
#include "bench/time_stamps.h"

namespace tamsendor::bench {

namespace {

constexpr char kNoInformation[] = "No information";

}  // namespace

void BenchmarkStart::BenchButtonClick() {
  const platform::WindowBounds bounds = s_.placement.NormalBounds();
  state_.SavedLeft = bounds.left;
  state_.SavedTop = bounds.top;
  state_.SavedWidth = bounds.width;
  state_.SavedHeight = bounds.height;

  c_.StatusInfo.SetCaption("");
  // Without a game folder the name alone would point into whatever folder is current.
  if (!folders_.GameModFolder.empty()) {
    const std::string results = folders_.GameModFolder + "sourcebench.csv";
    if (s_.files.FileExists(results))
      s_.files.RemoveFile(results);
  }

  c_.BenchButton.SetEnabled(false);
  state_.ReportPath.clear();
  state_.AutoexecRestored = false;
  c_.Label21.SetVisible(false);
  c_.RunsLabel.SetVisible(false);

  IsSteamRunning(s_.processes, state_);
  if (!state_.SteamRunning) {
    OfferToStartSteam();
    return;
  }

  c_.Label20.SetFontSize(10);
  c_.Label20.SetCaption("Collecting system information, please wait...");
  c_.Panel2.SetVisible(true);
  c_.MainWindow.Repaint();

  state_.RunsDone = 0;
  state_.ScoreTotal = 0;
  StoreRunCount();

  const std::string displayMemory = core::ReadProductValue(s_.registry, "Display Memory");
  if (!displayMemory.empty()) {
    const std::string driver = core::ReadProductValue(s_.registry, "Driver Version");
    const std::string sound = core::ReadProductValue(s_.registry, "Sound");
    state_.DxDisplayMemory = displayMemory;
    state_.DxDriverVersion = driver.empty() ? kNoInformation : driver;
    state_.DxSound = sound.empty() ? kNoInformation : sound;
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
  state_.RunCount = index + 1;
}

void BenchmarkStart::StartBenchmark() {
  c_.MainWindow.Repaint();
  state_.ChosenCount = 0;
  state_.FinishedCount = 0;
  // No run number ever chosen: one run per resolution, as if "1" had been.
  if (state_.RunCount < 1)
    state_.RunCount = 1;
  // Set for one run too: the label must not show an earlier benchmark's count.
  c_.RunsLabel.SetCaption(RunsCaption(state_.RunCount, 1));

  state_.ChosenCount = launcher_.ChosenCount();
  if (state_.ChosenCount < 1) {
    s_.dialogs.ShowMessage("Please, choose a resolution of Half-Life 2 Episode Two.");
    c_.BenchButton.SetEnabled(true);
    c_.Panel2.SetVisible(false);
    return;
  }

  c_.MainWindow.Repaint();
  state_.FileStamp = MakeFileStamp(s_.clock.NowShortDateLongTime());
  state_.DisplayStamp = s_.clock.NowShortDateLongTime();

  if (!steps_.PrepareGame()) {
    c_.BenchButton.SetEnabled(true);
    c_.Panel2.SetVisible(false);
    return;
  }

  BuildLaunchFragments({c_.FastZBox.Checked(), c_.RefreshBox.ItemIndex(),
                        c_.HeapsizeBox.ItemIndex(), c_.DXLevelBox.ItemIndex()},
                       state_);
  steps_.WriteReportHeader();

  c_.Label21.SetVisible(true);
  c_.RunsLabel.SetVisible(true);
  c_.Label20.SetFontSize(12);
  c_.Label20.SetLeft(118);
  c_.Label20.SetCaption("Benchmarking in progress...");

  // The members hand over along the table to the first chosen one; the custom size comes last.
  launcher_.LaunchResolution(0);
}

}  // namespace tamsendor::bench

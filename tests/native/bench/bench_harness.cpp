#include "tests/native/bench/bench_harness.h"

#include <algorithm>
#include <optional>

namespace tamsendor::bench::testing {

BenchHarness::BenchHarness()
    : start(controls.ForStart(), {files, processes, registry, dialogs, clock}, folders, runners.cp2,
            resolutions, sequencer,
            {[this] { return directx.TakeCachedFacts(); },
             [this] {
               ++directXStarts;
               directx.RunDxDiag();
             },
             [this]() -> std::optional<std::string> {
               ++prepareCalls;
               if (!prepareSucceeds)
                 return std::nullopt;
               return "qordemo1";
             },
             [this] { writeHeader(); }}) {
  collect = [this](const core::RunState& progress) {
    Record(progress);
    if (progress.FinishedCount == progress.ChosenCount) {
      Panel2.SetVisible(false);
      BenchButton.SetEnabled(true);
    }
  };
  writeHeader = [this] { ++headerWrites; };
  registry.CreateKey(core::kProductRoot, std::string(core::kProductKey));
  folders.SteamFolder = "c:/steam/";
  folders.GameModFolder = "C:\\steam\\steamapps\\common\\half-life 2 episode two\\ep2\\";
  cp.OnTerminate = [this](core::TJvCreateProcess& sender, std::uint32_t code) {
    sequencer.cpTerminate(sender, code);
  };
  game.onLaunch = [this](const platform::ProcessStart&) {
    runsLabelAtLaunch.push_back(RunsLabel.Caption());
    timeLeftAtLaunch.push_back(controls.TimeLeftLabel.Caption());
    taskbarAtLaunch.push_back(taskbar.state);
  };
}

void BenchHarness::Choose(const std::vector<int>& rows, int runCount,
                          const std::string& customWidth, const std::string& customHeight) {
  controls.Choose(rows, runCount, customWidth, customHeight);
  processes.entries.push_back({4, "Steam.exe"});
}

void BenchHarness::RunToEnd() {
  start.BenchButtonClick();
  ui.RunUntilIdle();
}

std::vector<std::string> BenchHarness::LaunchedSizes() const {
  std::vector<std::string> sizes;
  for (const auto& launch : launcher.starts()) {
    const auto from = launch.commandLine.find("-width ");
    const auto to = launch.commandLine.find(" +r_fastzreject");
    if (from == std::string::npos || to == std::string::npos)
      continue;
    sizes.push_back(launch.commandLine.substr(from, to - from));
  }
  return sizes;
}

void BenchHarness::Record(const core::RunState& progress) {
  collected.push_back({progress.CurrentTag, progress.RunsDone, progress.FinishedCount,
                       placement.bounds, ui.NowMs()});
}

}  // namespace tamsendor::bench::testing

#include "tests/native/bench/bench_harness.h"

#include <algorithm>

namespace tamsendor::bench::testing {

BenchHarness::BenchHarness()
    : start(controls.ForStart(), {placement, files, processes, registry, dialogs, clock}, state,
            folders, runners.cp2, resolutions,
            {[this] {
               ++directXStarts;
               state.DxDisplayMemory = state.DxDriverVersion = state.DxSound = "indeterminable";
               controls.AdvCircularProgress1.SetVisible(false);
               controls.AdvCircularProgress1.SetEnabled(false);
               start.StartBenchmark();
             },
             [this] {
               ++prepareCalls;
               state.DemoName = "qordemo1";
               return prepareSucceeds;
             },
             [this] { writeHeader(); }}) {
  collect = [this] {
    Record();
    state.HeadingWritten = true;
    if (state.FinishedCount == state.ChosenCount) {
      Panel2.SetVisible(false);
      BenchButton.SetEnabled(true);
    }
  };
  writeHeader = [this] { ++headerWrites; };
  registry.CreateKey(kProductRoot, std::string(kProductKey));
  folders.SteamFolder = "c:/steam/";
  folders.GameModFolder = "C:\\steam\\steamapps\\common\\half-life 2 episode two\\ep2\\";
  cp.OnTerminate = [this](TJvCreateProcess& sender, std::uint32_t code) {
    sequencer.cpTerminate(sender, code);
  };
  launcher.onStart = [this](std::size_t index, const platform::ProcessStart& launch) {
    PlayLaunch(index, launch);
  };
}

void BenchHarness::PlayLaunch(std::size_t index, const platform::ProcessStart& launch) {
  if (launch.commandLine.find("-applaunch 420") == std::string::npos)
    return;
  runsLabelAtLaunch.push_back(RunsLabel.Caption());
  const std::uint32_t id = nextProcessId_++;
  ui.After(1000, [this, id] { processes.entries.push_back({id, "hl2.exe"}); });
  ui.After(1000 + gameMs, [this, id, run = gameRuns_++] {
    if (onGameExit)
      onGameExit(run);
    std::erase_if(processes.entries, [id](const auto& e) { return e.id == id; });
  });
  ui.After(2000, [this, index] { launcher.EndProcess(index, 0); });
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

void BenchHarness::Record() {
  collected.push_back(
      {state.CurrentTag, state.RunsDone, state.FinishedCount, state.HeadingWritten, ui.NowMs()});
}

}  // namespace tamsendor::bench::testing

#include "tests/native/bench/bench_harness.h"

#include <algorithm>

namespace tamsendor::bench::testing {

BenchHarness::BenchHarness()
    : start({MainWindow, StatusInfo, BenchButton, Panel2, Label20, Label21, RunsLabel,
             AdvCircularProgress1, RunNumberBox, FastZBox, RefreshBox, HeapsizeBox, DXLevelBox},
            {placement, files, processes, registry, dialogs, clock}, state, folders, runners.cp2,
            resolutions,
            {[this] {
               ++directXStarts;
               state.DxDisplayMemory = state.DxDriverVersion = state.DxSound = "indeterminable";
               AdvCircularProgress1.SetVisible(false);
               AdvCircularProgress1.SetEnabled(false);
               start.StartBenchmark();
             },
             [this] {
               ++prepareCalls;
               state.DemoName = "qordemo1";
               return prepareSucceeds;
             },
             [this] { ++headerWrites; }}) {
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
  ui.After(1000 + gameMs, [this, id] {
    std::erase_if(processes.entries, [id](const auto& e) { return e.id == id; });
  });
  ui.After(2000, [this, index] { launcher.EndProcess(index, 0); });
}

void BenchHarness::Choose(const std::vector<int>& rows, int runCount,
                          const std::string& customWidth, const std::string& customHeight) {
  for (int row : rows)
    res.SetItemChecked(static_cast<std::size_t>(row), true);
  if (!customWidth.empty() || !customHeight.empty()) {
    cusresbox.SetChecked(true);
    CusWidth.SetText(customWidth);
    CusHeight.SetText(customHeight);
  }
  RunNumberBox.SetItemIndex(runCount - 1);
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

void BenchHarness::Collect() {
  collected.push_back(
      {state.CurrentTag, state.RunsDone, state.FinishedCount, state.HeadingWritten, ui.NowMs()});
  state.HeadingWritten = true;
  if (state.FinishedCount == state.ChosenCount) {
    Panel2.SetVisible(false);
    BenchButton.SetEnabled(true);
  }
}

}  // namespace tamsendor::bench::testing

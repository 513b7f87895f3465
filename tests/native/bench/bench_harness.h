#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bench/benchmark_start.h"
#include "core/folders.h"
#include "core/process_runner.h"
#include "core/product_key.h"
#include "bench/resolution_launcher.h"
#include "bench/run_sequencer.h"
#include "core/run_state.h"
#include "sysinfo/directx_facts.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_processes.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_system_folders.h"
#include "tests/common/bench_controls.h"
#include "tests/common/simulated_game.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::bench::testing {

// What CollectResults saw at one call.
struct Collected {
  std::string tag;
  int runsDone;
  int finishedCount;
  platform::WindowBounds window;
  std::uint64_t atMs;
};

// The benchmark's objects wired as the main window wires them, on fakes and headless controls,
// with a simulated Steam client and game: each launch's steam.exe ends after 2 s, the game it
// starts appears after 1 s and runs for `game.gameMs`.
class BenchHarness {
 public:
  BenchHarness();

  // Ticks the rows, the custom size (with its texts) and the run number; Steam runs.
  void Choose(const std::vector<int>& rows, int runCount, const std::string& customWidth = "",
              const std::string& customHeight = "");
  // Presses Run and lets virtual time run until nothing is pending.
  void RunToEnd();

  // The "-width W -height H" part of each launch, in order.
  std::vector<std::string> LaunchedSizes() const;
  // Notes what the collection sees at this call.
  void Record(const core::RunState& progress);

  fakes::VirtualUiThread ui;
  fakes::FakeProcessLauncher launcher{ui};
  fakes::FakeProcessTable processes;
  fakes::FakeRegistry registry;
  fakes::FakeFileSystem files;
  fakes::FakeDialogs dialogs;
  fakes::FakeWindowPlacement placement;
  fakes::FakeLocaleClock clock;

  tamsendor::testing::BenchControls controls{ui};
  ui::PictureButton& BenchButton = controls.BenchButton;
  ui::Panel& Panel2 = controls.Panel2;
  ui::Label& StatusInfo = controls.StatusInfo;
  ui::Label& Label20 = controls.Label20;
  ui::Label& Label21 = controls.Label21;
  ui::Label& RunsLabel = controls.RunsLabel;
  ui::ComboBox& RunNumberBox = controls.RunNumberBox;

  core::Folders folders;
  fakes::FakeSystemFolders systemFolders;
  fakes::FakeDirectXProvider provider;
  std::vector<Collected> collected;
  std::vector<std::string> runsLabelAtLaunch;
  // The estimate and the taskbar button as each game starts.
  std::vector<std::string> timeLeftAtLaunch;
  std::vector<std::string> taskbarAtLaunch;
  int directXStarts = 0;
  int prepareCalls = 0;
  bool prepareSucceeds = true;
  int headerWrites = 0;

  // What happens at the run's end and at the report's start; by default the collection only
  // records its call and ends the benchmark after the last run, and the header is counted.
  std::function<void(const core::RunState&)> collect;
  std::function<void()> writeHeader;

  tamsendor::testing::SimulatedGame game{ui, launcher, processes};

  core::ProcessRunners runners{launcher};
  core::TJvCreateProcess& cp = runners.cp;
  // No dxdiag.exe on this machine: the facts come from the provider, which knows none.
  sysinfo::DirectXInformation directx{{registry, files, systemFolders, provider, ui},
                                      controls.AdvCircularProgress1,
                                      runners.dxrun,
                                      [this] { start.StartBenchmark(); }};
  ResolutionLauncher resolutions{controls.ForLaunch(), folders, cp};
  fakes::FakeTaskbarProgress taskbar;
  RunSequencer sequencer{resolutions,
                         controls.ForProgress(),
                         processes,
                         placement,
                         ui,
                         taskbar,
                         [this](const core::RunState& progress) { collect(progress); }};
  BenchmarkStart start;

 private:
};

}  // namespace tamsendor::bench::testing

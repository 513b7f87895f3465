// Measures what a benchmark spends per run beyond its mandated waits: from the poll that finds
// the game gone, plus the 1 s wait, to the start of the next launch. Runs the program's own
// start, launcher and sequencer on the real platform layer, with a Steam client that exits at
// once and no game, and the waits shortened tenfold (the overhead does not scale with them).
// Usage: sequencer_overhead.exe STEAM_FOLDER (holding a steam.exe that exits at once)
#include <windows.h>

#include <algorithm>
#include <optional>
#include <cstdio>
#include <vector>

#include "app/main_controls.h"
#include "app/main_form_layout.h"
#include "bench/benchmark_start.h"
#include "bench/run_sequencer.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_taskbar_progress.h"
#include "platform/win32/win32_ui_thread.h"
#include "ui/laid_out_form.h"
#include "quiet_services.h"
#include "scaled_timers.h"

namespace {

using namespace tamsendor;

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Notes when a poll last looked for the game.
class TimedProcessTable : public platform::ProcessTable {
 public:
  std::optional<std::vector<platform::ProcessEntry>> List() const override {
    auto list = inner.List();
    lastPollEnd = NowMs();
    return list;
  }
  bool IsStillRunning(std::uint32_t id) const override { return inner.IsStillRunning(id); }
  bool Terminate(std::uint32_t id) override { return inner.Terminate(id); }
  win32::Win32ProcessTable inner;
  mutable double lastPollEnd = 0;
};

// Notes when each launch starts.
class TimedLauncher : public platform::ProcessLauncher {
 public:
  explicit TimedLauncher(platform::Dispatcher& d) : inner(d) {}
  std::unique_ptr<platform::StartedProcess> Start(const platform::ProcessStart& s) override {
    starts.push_back(NowMs());
    return inner.Start(s);
  }
  win32::Win32ProcessLauncher inner;
  std::vector<double> starts;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sequencer_overhead STEAM_FOLDER\n");
    return 2;
  }
  constexpr std::uint32_t kScale = 10;
  constexpr int kRows[] = {0, 2};
  constexpr int kRuns = 3;

  win32::Win32UiThread ui;
  benchmarks::ScaledTimers timers(ui, kScale);
  TimedLauncher launcher(ui);
  TimedProcessTable processes;
  win32::Win32FileSystem files;
  benchmarks::NoRegistry registry;
  benchmarks::PrintedDialogs dialogs;
  benchmarks::NoWindow placement;
  benchmarks::FixedClock clock;
  // The main window's controls, headless, with the rows and the run count chosen.
  ui::LaidOutForm window("TForm1", app::MainFormLayout(), ui);
  app::ApplyMainFormDesign(window.Form(), window.Controls());
  const app::MainControls controls(window.Form(), window.Controls());
  for (const int row : kRows)
    controls.res.SetItemChecked(row, true);
  controls.RunNumberBox.SetItemIndex(kRuns - 1);
  controls.RefreshBox.SetItemIndex(0);
  controls.HeapsizeBox.SetItemIndex(0);
  controls.DXLevelBox.SetItemIndex(0);

  core::Folders folders;
  folders.SteamFolder = win32::Narrow(argv[1]) + "\\";
  core::ProcessRunners runners(launcher);
  bench::ResolutionLauncher resolutions(controls.ForLaunch(), folders, runners.cp);
  std::vector<double> overheads;
  bool finished = false;
  win32::Win32TaskbarProgress taskbar;
  bench::RunSequencer sequencer(resolutions, controls.ForProgress(), processes, placement, timers,
                                taskbar, [&](const core::RunState& progress) {
                                  if (progress.FinishedCount == progress.ChosenCount)
                                    finished = true;
                                });
  runners.cp.OnTerminate = [&](core::TJvCreateProcess& sender, std::uint32_t code) {
    sequencer.cpTerminate(sender, code);
  };
  // The start goes straight to the launches: the process list is not asked for Steam here, and
  // the DirectX facts count as cached.
  bench::BenchmarkStart start(controls.ForStart(), {files, processes, registry, dialogs, clock},
                              folders, runners.cp2, resolutions, sequencer,
                              {[] { return true; }, [&] { start.StartBenchmark(); },
                               [] { return std::optional<std::string>("qordemo1"); }, [] {}});
  sequencer.SetRunCount(kRuns);
  start.StartBenchmark();

  std::vector<double> pollEnds;
  double lastSeenPoll = 0;
  MSG message;
  while (!finished && GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
    if (processes.lastPollEnd != lastSeenPoll) {
      lastSeenPoll = processes.lastPollEnd;
      pollEnds.push_back(lastSeenPoll);
    }
  }
  // Each launch after the first follows the last poll before it.
  for (std::size_t i = 1; i < launcher.starts.size(); ++i) {
    double poll = 0;
    for (double p : pollEnds)
      if (p < launcher.starts[i])
        poll = p;
    overheads.push_back(launcher.starts[i] - poll - 1000.0 / kScale);
  }
  if (overheads.empty()) {
    std::printf("no launches measured (status: %s)\n", controls.StatusInfo.Caption().c_str());
    return 1;
  }
  std::sort(overheads.begin(), overheads.end());
  double sum = 0;
  for (double o : overheads)
    sum += o;
  std::printf("runs measured: %zu\n", overheads.size());
  std::printf(
      "overhead per run beyond the waits (ms): min %.1f  median %.1f  mean %.1f  max %.1f\n",
      overheads.front(), overheads[overheads.size() / 2], sum / overheads.size(), overheads.back());
  return 0;
}

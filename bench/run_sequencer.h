#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "bench/benchmark_progress.h"
#include "bench/resolution_launcher.h"
#include "core/process_runner.h"
#include "core/run_state.h"
#include "platform/processes.h"
#include "platform/taskbar_progress.h"
#include "platform/ui_thread.h"
#include "platform/window_placement.h"

namespace tamsendor::bench {

// Carries a benchmark from one game run to the next. After `cp` reports that the launch ended it
// lets the game settle for 30 s, polls every 5 s until no game process runs, waits 1 s more, has
// the run collected, and then runs the same resolution again, moves on to the next chosen one,
// or lets the collection finish the benchmark. The waits are timers, so the window stays
// responsive and can be closed while a game hangs. It keeps the run progress (`RunState`), which
// the collection is shown at every call.
class RunSequencer {
 public:
  static constexpr std::uint32_t kSettleMs = 30000;
  static constexpr std::uint32_t kPollMs = 5000;
  static constexpr std::uint32_t kAfterExitMs = 1000;
  // How often the settle looks whether the game has shown up: a game that ends within the settle
  // was still started by Steam.
  static constexpr std::uint32_t kWatchMs = 1000;

  RunSequencer(ResolutionLauncher& launcher, const ProgressControls& controls,
               platform::ProcessTable& processes, platform::WindowPlacement& placement,
               platform::Timers& timers, platform::TaskbarProgress& taskbar,
               std::function<void(const core::RunState&)> CollectResults)
      : launcher_(launcher),
        processes_(processes),
        placement_(placement),
        timers_(timers),
        progressView_(controls, timers, taskbar),
        CollectResults_(std::move(CollectResults)) {}
  ~RunSequencer();
  RunSequencer(const RunSequencer&) = delete;
  RunSequencer& operator=(const RunSequencer&) = delete;

  const core::RunState& Progress() const { return state_; }
  BenchmarkProgress& ProgressView() { return progressView_; }
  // The run number chosen, also during a benchmark: a lowered count ends the resolution after
  // the run in progress.
  void SetRunCount(int count) { state_.RunCount = count; }
  // Keeps the main window's normal place and size when Run is pressed: the game may move or
  // resize the window while it holds the screen, and every collection puts it back first.
  void KeepWindowBounds() { savedBounds_ = placement_.NormalBounds(); }
  // A new benchmark of `chosenCount` resolutions; without a run number ever chosen, one run per
  // resolution, as if "1" had been.
  void BeginBenchmark(int chosenCount);
  // Launches the first chosen resolution: from here the benchmark runs.
  void LaunchFirstResolution();

  // `cp`'s end notice.
  void cpTerminate(core::TJvCreateProcess& Sender, std::uint32_t ExitCode);
  // One poll: sets GameRunning.
  void WaitForGameExit();
  bool GameRunning() const { return GameRunning_; }

  // True between an end notice and the next launch or the end of the benchmark.
  bool IsWaiting() const { return pending_.has_value(); }
  // From the first launch to the last collection, a stop or a launch that could not start.
  bool Running() const { return running_; }
  // The user stopped the benchmark: the game ends, no wait of the benchmark runs afterwards, and
  // no run is collected.
  void Stop();
  // The launch of the resolution with `tag` could not start: the benchmark ends there.
  void LaunchFailed(std::string_view tag);

 private:
  void Wait(std::uint32_t milliseconds, void (RunSequencer::*next)());
  void Settle();
  void Poll();
  void AfterGameExit();
  void Launch(int member);
  void Collect();
  void Ended();

  core::RunState state_;
  bool GameRunning_ = false;  // last answer of the game check
  bool running_ = false;
  std::uint32_t settleLeftMs_ = 0;
  platform::WindowBounds savedBounds_;
  ResolutionLauncher& launcher_;
  platform::ProcessTable& processes_;
  platform::WindowPlacement& placement_;
  platform::Timers& timers_;
  BenchmarkProgress progressView_;
  std::function<void(const core::RunState&)> CollectResults_;
  std::optional<platform::TimerId> pending_;
};

}  // namespace tamsendor::bench

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "bench/process_runner.h"
#include "bench/resolution_launcher.h"
#include "bench/run_state.h"
#include "platform/processes.h"
#include "platform/ui_thread.h"
#include "ui/label.h"

namespace tamsendor::bench {

// Carries a benchmark from one game run to the next. After `cp` reports that the launch ended it
// lets the game settle for 30 s, polls every 5 s until no game process runs, waits 1 s more, has
// the run collected, and then runs the same resolution again, moves on to the next chosen one,
// or lets the collection finish the benchmark. The waits are timers, so the window stays
// responsive and can be closed while a game hangs.
class RunSequencer {
 public:
  static constexpr std::uint32_t kSettleMs = 30000;
  static constexpr std::uint32_t kPollMs = 5000;
  static constexpr std::uint32_t kAfterExitMs = 1000;

  RunSequencer(RunState& state, ResolutionLauncher& launcher, ui::Label& RunsLabel,
               const platform::ProcessTable& processes, platform::Timers& timers,
               std::function<void()> CollectResults)
      : state_(state),
        launcher_(launcher),
        RunsLabel_(RunsLabel),
        processes_(processes),
        timers_(timers),
        CollectResults_(std::move(CollectResults)) {}
  ~RunSequencer();
  RunSequencer(const RunSequencer&) = delete;
  RunSequencer& operator=(const RunSequencer&) = delete;

  // `cp`'s end notice.
  void cpTerminate(TJvCreateProcess& Sender, std::uint32_t ExitCode);
  // One poll: sets GameRunning.
  void WaitForGameExit();

  // True between an end notice and the next launch or the end of the benchmark.
  bool IsWaiting() const { return pending_.has_value(); }

 private:
  void Wait(std::uint32_t milliseconds, void (RunSequencer::*next)());
  void Poll();
  void AfterGameExit();
  void ShowRunNumber(int run);

  RunState& state_;
  ResolutionLauncher& launcher_;
  ui::Label& RunsLabel_;
  const platform::ProcessTable& processes_;
  platform::Timers& timers_;
  std::function<void()> CollectResults_;
  std::optional<platform::TimerId> pending_;
};

}  // namespace tamsendor::bench

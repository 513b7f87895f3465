#pragma once

#include <cstdint>
#include <optional>

#include "bench/run_progress.h"
#include "core/run_state.h"
#include "platform/taskbar_progress.h"
#include "platform/ui_thread.h"
#include "ui/button.h"
#include "ui/label.h"

namespace tamsendor::bench {

// The progress panel's controls that follow a running benchmark.
struct ProgressControls {
  ui::Label& RunsLabel;       // "Run 1 of 2, resolution 1 of 3"
  ui::Label& TimeLeftLabel;   // the estimate, from the second run on
  ui::Label& TimeLimitLabel;  // a run over its time limit
  ui::Button& StopButton;
  ui::Button& WaitButton;  // grants an overlong run more time
};

// What the user sees of a benchmark under way: the run and resolution, the time left as the runs
// so far measure it, the taskbar button's progress, and a run's time limit. A run that lasts
// longer than the limit is never ended without asking: the panel says so and offers Stop, or
// Wait for another spell of the same length.
class BenchmarkProgress {
 public:
  static constexpr std::uint32_t kRunTimeLimitMs = 10 * 60 * 1000;

  BenchmarkProgress(const ProgressControls& controls, platform::Timers& timers,
                    platform::TaskbarProgress& taskbar)
      : c_(controls), timers_(timers), taskbar_(taskbar) {}
  ~BenchmarkProgress() { CancelTimeLimit(); }
  BenchmarkProgress(const BenchmarkProgress&) = delete;
  BenchmarkProgress& operator=(const BenchmarkProgress&) = delete;

  void BenchmarkBegun();
  // A game launched: the counters as they are for this run.
  void RunLaunched(const core::RunState& progress);
  // The estimate again, as time goes by.
  void Refresh(const core::RunState& progress);
  void RunEnded();
  // The last run collected, the benchmark stopped or a launch failed.
  void BenchmarkEnded();

  void WaitButtonClick();
  bool TimeLimitOffered() const { return c_.WaitButton.Visible(); }

 private:
  void StartTimeLimit();
  void CancelTimeLimit();
  void OfferStop();
  void HideOffer();

  ProgressControls c_;
  platform::Timers& timers_;
  platform::TaskbarProgress& taskbar_;
  RunClock clock_;
  std::optional<platform::TimerId> limit_;
};

}  // namespace tamsendor::bench

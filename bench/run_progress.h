#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/run_state.h"

namespace tamsendor::bench {

// The progress line of a running benchmark: "Run 1 of 2, resolution 1 of 3".
std::string ProgressCaption(const core::RunState& progress);

// The estimate of the time a benchmark still needs, in whole minutes: "About 4 minutes left",
// "About 1 minute left", or "Less than a minute left".
std::string TimeLeftCaption(std::uint64_t milliseconds);

// Runs not yet finished, the one under way included, as the counters stand during a run.
int RunsLeft(const core::RunState& progress);

// The measured length of each finished run, from its launch to its collection, and from them the
// time the benchmark still needs.
class RunClock {
 public:
  void Reset() {
    lengths_.clear();
    started_.reset();
  }
  void RunStarted(std::uint64_t nowMs) { started_ = nowMs; }
  void RunEnded(std::uint64_t nowMs);
  int RunsMeasured() const { return static_cast<int>(lengths_.size()); }
  // Milliseconds since the run under way was launched; 0 when none is.
  std::uint64_t CurrentRunMs(std::uint64_t nowMs) const;
  // The mean run length times the runs left, less what the run under way has already taken;
  // nullopt before a run has been measured.
  std::optional<std::uint64_t> TimeLeftMs(int runsLeft, std::uint64_t nowMs) const;

 private:
  std::vector<std::uint64_t> lengths_;
  std::optional<std::uint64_t> started_;
};

}  // namespace tamsendor::bench

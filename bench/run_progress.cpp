#include "bench/run_progress.h"

#include <numeric>

namespace tamsendor::bench {

std::string ProgressCaption(const core::RunState& progress) {
  return "Run " + std::to_string(progress.RunsDone + 1) + " of " +
         std::to_string(progress.RunCount) + ", resolution " +
         std::to_string(progress.FinishedCount + 1) + " of " + std::to_string(progress.ChosenCount);
}

std::string TimeLeftCaption(std::uint64_t milliseconds) {
  constexpr std::uint64_t kMinuteMs = 60000;
  const std::uint64_t minutes = (milliseconds + kMinuteMs / 2) / kMinuteMs;
  if (minutes == 0)
    return "Less than a minute left";
  if (minutes == 1)
    return "About 1 minute left";
  return "About " + std::to_string(minutes) + " minutes left";
}

int RunsLeft(const core::RunState& progress) {
  // A run count lowered during the benchmark leaves no negative count at this resolution.
  const int here =
      progress.RunCount > progress.RunsDone ? progress.RunCount - progress.RunsDone : 1;
  const int laterResolutions = progress.ChosenCount - progress.FinishedCount - 1;
  return here + (laterResolutions > 0 ? laterResolutions * progress.RunCount : 0);
}

void RunClock::RunEnded(std::uint64_t nowMs) {
  if (!started_)
    return;
  lengths_.push_back(nowMs - *started_);
  started_.reset();
}

std::uint64_t RunClock::CurrentRunMs(std::uint64_t nowMs) const {
  return started_ && nowMs > *started_ ? nowMs - *started_ : 0;
}

std::optional<std::uint64_t> RunClock::TimeLeftMs(int runsLeft, std::uint64_t nowMs) const {
  if (lengths_.empty() || runsLeft <= 0)
    return std::nullopt;
  const std::uint64_t total = std::accumulate(lengths_.begin(), lengths_.end(), std::uint64_t{0});
  const std::uint64_t needed = total * static_cast<std::uint64_t>(runsLeft) / lengths_.size();
  const std::uint64_t spent = CurrentRunMs(nowMs);
  return needed > spent ? needed - spent : 0;
}

}  // namespace tamsendor::bench

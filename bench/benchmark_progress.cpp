#include "bench/benchmark_progress.h"

#include <string>

namespace tamsendor::bench {

void BenchmarkProgress::BenchmarkBegun() {
  clock_.Reset();
  c_.RunsLabel.SetCaption("");
  c_.TimeLeftLabel.SetCaption("");
  HideOffer();
}

void BenchmarkProgress::RunLaunched(const core::RunState& progress) {
  clock_.RunStarted(timers_.NowMs());
  c_.RunsLabel.SetCaption(ProgressCaption(progress));
  // Only a benchmark that launched has something to stop.
  c_.StopButton.SetVisible(true);
  const int done = clock_.RunsMeasured();
  // Nothing measures the first run: the button only says that something is under way.
  if (done == 0)
    taskbar_.ShowBusy();
  else
    taskbar_.ShowProgress(done, done + RunsLeft(progress));
  Refresh(progress);
  HideOffer();
  StartTimeLimit();
}

void BenchmarkProgress::Refresh(const core::RunState& progress) {
  const std::optional<std::uint64_t> left = clock_.TimeLeftMs(RunsLeft(progress), timers_.NowMs());
  c_.TimeLeftLabel.SetCaption(left ? TimeLeftCaption(*left) : "");
}

void BenchmarkProgress::RunEnded() {
  clock_.RunEnded(timers_.NowMs());
  CancelTimeLimit();
  HideOffer();
}

void BenchmarkProgress::BenchmarkEnded() {
  CancelTimeLimit();
  HideOffer();
  c_.TimeLeftLabel.SetCaption("");
  c_.StopButton.SetVisible(false);
  taskbar_.Clear();
}

void BenchmarkProgress::WaitButtonClick() {
  if (!TimeLimitOffered())
    return;
  HideOffer();
  StartTimeLimit();
}

void BenchmarkProgress::StartTimeLimit() {
  CancelTimeLimit();
  limit_ = timers_.After(kRunTimeLimitMs, [this] {
    limit_.reset();
    OfferStop();
  });
}

void BenchmarkProgress::CancelTimeLimit() {
  if (limit_)
    timers_.Cancel(*limit_);
  limit_.reset();
}

void BenchmarkProgress::OfferStop() {
  const std::uint64_t minutes = (clock_.CurrentRunMs(timers_.NowMs()) + 30000) / 60000;
  c_.TimeLimitLabel.SetCaption("This run has lasted " + std::to_string(minutes) +
                               " minutes. Stop, or wait " +
                               std::to_string(kRunTimeLimitMs / 60000) + " minutes more?");
  c_.TimeLimitLabel.SetVisible(true);
  c_.WaitButton.SetVisible(true);
}

void BenchmarkProgress::HideOffer() {
  c_.TimeLimitLabel.SetVisible(false);
  c_.WaitButton.SetVisible(false);
}

}  // namespace tamsendor::bench

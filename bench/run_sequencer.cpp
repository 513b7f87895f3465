#include "bench/run_sequencer.h"

#include <string>

#include "bench/process_checks.h"
#include "core/event_trail.h"

namespace tamsendor::bench {

RunSequencer::~RunSequencer() {
  if (pending_)
    timers_.Cancel(*pending_);
}

void RunSequencer::Wait(std::uint32_t milliseconds, void (RunSequencer::*next)()) {
  pending_ = timers_.After(milliseconds, [this, next] {
    pending_.reset();
    (this->*next)();
  });
}

void RunSequencer::BeginBenchmark(int chosenCount) {
  state_.ChosenCount = chosenCount;
  state_.FinishedCount = 0;
  state_.RunsDone = 0;
  if (state_.RunCount < 1)
    state_.RunCount = 1;
  progressView_.BenchmarkBegun();
  core::ProgramTrail().SetActivity("starting a benchmark");
  core::ProgramTrail().Add("benchmark: " + std::to_string(chosenCount) + " resolution(s), " +
                           std::to_string(state_.RunCount) + " run(s) each");
}

void RunSequencer::LaunchFirstResolution() {
  running_ = true;
  Launch(0);
}

void RunSequencer::Launch(int member) {
  core::ProgramTrail().SetActivity("resolution " + std::to_string(state_.FinishedCount + 1) +
                                   " of " + std::to_string(state_.ChosenCount) + ", run " +
                                   std::to_string(state_.RunsDone + 1) + " of " +
                                   std::to_string(state_.RunCount));
  state_.GameSeen = false;
  // Shown first: a launch that cannot start ends the benchmark before the call returns.
  progressView_.RunLaunched(state_);
  const std::string_view tag = launcher_.LaunchResolution(member);
  if (!running_)
    return;  // the launch failed, and the benchmark ended with it
  state_.CurrentTag = tag;
  core::ProgramTrail().Add("launched: " + launcher_.LaunchLine());
}

void RunSequencer::Collect() {
  core::ProgramTrail().SetActivity("collecting results");
  progressView_.RunEnded();
  placement_.SetBounds(savedBounds_);
  CollectResults_(state_);
}

void RunSequencer::Ended() {
  if (pending_)
    timers_.Cancel(*pending_);
  pending_.reset();
  running_ = false;
  progressView_.BenchmarkEnded();
}

void RunSequencer::cpTerminate(core::TJvCreateProcess&, std::uint32_t) {
  // A Steam that ends after a stop starts no wait of a benchmark that is over.
  if (!running_)
    return;
  // Steam's own process may end long before the game has even started.
  settleLeftMs_ = kSettleMs;
  Wait(kWatchMs, &RunSequencer::Settle);
}

void RunSequencer::Settle() {
  settleLeftMs_ -= kWatchMs;
  if (!state_.GameSeen && IsGameRunning(processes_)) {
    state_.GameSeen = true;
    // Seen once is enough: the rest of the settle is one wait.
    Wait(settleLeftMs_, &RunSequencer::Poll);
    return;
  }
  if (settleLeftMs_ == 0)
    Poll();
  else
    Wait(kWatchMs, &RunSequencer::Settle);
}

void RunSequencer::Stop() {
  Ended();
  const int ended = EndGame(processes_);
  core::ProgramTrail().Add("benchmark stopped; games ended: " + std::to_string(ended));
  core::ProgramTrail().SetActivity("idle");
}

void RunSequencer::LaunchFailed(std::string_view tag) {
  state_.CurrentTag = tag;
  state_.GameSeen = false;
  Ended();
  core::ProgramTrail().Add("the launch could not start: " + launcher_.LaunchLine());
  core::ProgramTrail().SetActivity("idle");
}

void RunSequencer::WaitForGameExit() {
  GameRunning_ = IsGameRunning(processes_);
}

void RunSequencer::Poll() {
  WaitForGameExit();
  progressView_.Refresh(state_);
  if (GameRunning_) {
    state_.GameSeen = true;
    Wait(kPollMs, &RunSequencer::Poll);
  } else {
    core::ProgramTrail().Add("the game ended");
    Wait(kAfterExitMs, &RunSequencer::AfterGameExit);
  }
}

void RunSequencer::AfterGameExit() {
  const int member = ResolutionLauncher::MemberOfTag(state_.CurrentTag);
  if (member < 0) {
    // Not a resolution of ours: nothing further runs.
    Ended();
    return;
  }

  ++state_.FinishedCount;
  ++state_.RunsDone;

  // "Runs remain" is asked as "fewer than", not "not equal": a run count lowered below the runs
  // already done must end the resolution, not make it run forever.
  if (state_.RunsDone < state_.RunCount) {
    // More runs at this resolution.
    --state_.FinishedCount;
    Collect();
    Launch(member);
  } else if (member != ResolutionLauncher::kCustomMember &&
             state_.FinishedCount != state_.ChosenCount) {
    // On to the next chosen resolution; the members hand over to the first ticked one.
    Collect();
    state_.RunsDone = 0;
    Launch(member + 1);
  } else {
    // The last run of the last resolution: the collection finishes the benchmark, and a close
    // during its messages has no benchmark left to stop.
    Ended();
    Collect();
    core::ProgramTrail().SetActivity("idle");
  }
}

}  // namespace tamsendor::bench

#include "bench/run_sequencer.h"

#include <string>

#include "bench/process_checks.h"
#include "bench/runs_caption.h"
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
  running_ = true;
  stopped_ = false;
  core::ProgramTrail().SetActivity("starting a benchmark");
  core::ProgramTrail().Add("benchmark: " + std::to_string(chosenCount) + " resolution(s), " +
                           std::to_string(state_.RunCount) + " run(s) each");
}

void RunSequencer::Launch(int member) {
  core::ProgramTrail().SetActivity("resolution " + std::to_string(state_.FinishedCount + 1) +
                                   " of " + std::to_string(state_.ChosenCount) + ", run " +
                                   std::to_string(state_.RunsDone + 1) + " of " +
                                   std::to_string(state_.RunCount));
  state_.CurrentTag = launcher_.LaunchResolution(member);
  core::ProgramTrail().Add("launched: " + launcher_.LaunchLine());
}

void RunSequencer::Collect() {
  core::ProgramTrail().SetActivity("collecting results");
  placement_.SetBounds(savedBounds_);
  CollectResults_(state_);
}

void RunSequencer::cpTerminate(core::TJvCreateProcess&, std::uint32_t) {
  // A Steam that ends after a Stop starts no wait of a benchmark that is over.
  if (stopped_)
    return;
  // Steam's own process may end long before the game has even started.
  Wait(kSettleMs, &RunSequencer::Poll);
}

void RunSequencer::Stop() {
  if (pending_)
    timers_.Cancel(*pending_);
  pending_.reset();
  running_ = false;
  stopped_ = true;
  const int ended = EndGame(processes_);
  core::ProgramTrail().Add("benchmark stopped; games ended: " + std::to_string(ended));
  core::ProgramTrail().SetActivity("idle");
}

void RunSequencer::WaitForGameExit() {
  GameRunning_ = IsGameRunning(processes_);
}

void RunSequencer::Poll() {
  WaitForGameExit();
  if (GameRunning_) {
    Wait(kPollMs, &RunSequencer::Poll);
  } else {
    core::ProgramTrail().Add("the game ended");
    Wait(kAfterExitMs, &RunSequencer::AfterGameExit);
  }
}

void RunSequencer::ShowRunNumber(int run) {
  RunsLabel_.SetCaption(RunsCaption(state_.RunCount, run));
}

void RunSequencer::AfterGameExit() {
  const int member = ResolutionLauncher::MemberOfTag(state_.CurrentTag);
  if (member < 0)
    return;  // not a resolution of ours: nothing further runs

  ++state_.FinishedCount;
  ++state_.RunsDone;

  // "Runs remain" is asked as "fewer than", not "not equal": a run count lowered below the runs
  // already done must end the resolution, not make it run forever.
  if (state_.RunsDone < state_.RunCount) {
    // More runs at this resolution.
    --state_.FinishedCount;
    Collect();
    ShowRunNumber(state_.RunsDone + 1);
    Launch(member);
  } else if (member != ResolutionLauncher::kCustomMember &&
             state_.FinishedCount != state_.ChosenCount) {
    // On to the next chosen resolution; the members hand over to the first ticked one.
    Collect();
    state_.RunsDone = 0;
    ShowRunNumber(1);
    Launch(member + 1);
  } else {
    // The last run of the last resolution: the collection finishes the benchmark.
    running_ = false;
    Collect();
    core::ProgramTrail().SetActivity("idle");
  }
}

}  // namespace tamsendor::bench

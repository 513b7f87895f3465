#include "bench/run_sequencer.h"

#include <string>

#include "bench/process_checks.h"
#include "bench/runs_caption.h"

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

void RunSequencer::cpTerminate(TJvCreateProcess&, std::uint32_t) {
  // Steam's own process may end long before the game has even started.
  Wait(kSettleMs, &RunSequencer::Poll);
}

void RunSequencer::WaitForGameExit() {
  state_.GameRunning = IsGameRunning(processes_);
}

void RunSequencer::Poll() {
  WaitForGameExit();
  if (state_.GameRunning) {
    Wait(kPollMs, &RunSequencer::Poll);
  } else {
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
  if (state_.RunsDone == 1)
    state_.HeadingWritten = false;

  // "Runs remain" is asked as "fewer than", not "not equal": a run count lowered below the runs
  // already done must end the resolution, not make it run forever.
  if (state_.RunsDone < state_.RunCount) {
    // More runs at this resolution.
    --state_.FinishedCount;
    CollectResults_();
    ShowRunNumber(state_.RunsDone + 1);
    launcher_.LaunchResolution(member);
  } else if (member != ResolutionLauncher::kCustomMember &&
             state_.FinishedCount != state_.ChosenCount) {
    // On to the next chosen resolution; the members hand over to the first ticked one.
    CollectResults_();
    state_.RunsDone = 0;
    state_.HeadingWritten = false;
    ShowRunNumber(1);
    launcher_.LaunchResolution(member + 1);
  } else {
    // The last run of the last resolution: the collection finishes the benchmark.
    CollectResults_();
  }
}

}  // namespace tamsendor::bench

#include "app/benchmark_stop.h"

namespace tamsendor::app {

void BenchmarkStop::StopButtonClick() {
  if (sequencer_.Running())
    AskAndStop();
}

bool BenchmarkStop::MayClose() {
  return !sequencer_.Running() || AskAndStop();
}

bool BenchmarkStop::AskAndStop() {
  if (!dialogs_.ConfirmYesNo("Stop the benchmark? The runs done so far are discarded."))
    return false;
  // The benchmark may have ended while the question was up: then there is nothing to stop.
  if (!sequencer_.Running())
    return true;
  sequencer_.Stop();
  recovery_.PutGameBack();
  c_.BenchButton.SetEnabled(true);
  c_.Panel2.SetVisible(false);
  c_.StatusInfo.SetCaption("Benchmark stopped.");
  return true;
}

}  // namespace tamsendor::app

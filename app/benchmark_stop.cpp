#include "app/benchmark_stop.h"

namespace tamsendor::app {

void BenchmarkStop::StopButtonClick() {
  if (sequencer_.Running())
    AskAndStop();
}

bool BenchmarkStop::MayClose() {
  if (!sequencer_.Running())
    return true;
  if (c_.MainWindow.SessionEnding()) {
    StopNow();
    return true;
  }
  return AskAndStop();
}

bool BenchmarkStop::AskAndStop() {
  if (!dialogs_.ConfirmYesNo("Stop the benchmark? The runs done so far are discarded."))
    return false;
  // The benchmark may have ended while the question was up: then there is nothing to stop.
  if (sequencer_.Running())
    StopNow();
  return true;
}

void BenchmarkStop::StopNow() {
  sequencer_.Stop();
  recovery_.PutGameBack();
  c_.BenchButton.SetEnabled(true);
  c_.Panel2.SetVisible(false);
  c_.StatusInfo.SetCaption("Benchmark stopped.");
}

}  // namespace tamsendor::app

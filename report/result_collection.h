#pragma once

#include "bench/run_state.h"
#include "platform/window_placement.h"
#include "ui/control.h"
#include "ui/panel.h"

namespace tamsendor::report {

struct CollectionControls {
  ui::Panel& Panel2;
  ui::Control& BenchButton;
};

// What happens after each run once the game is gone. For now it puts the main window back where
// it was when Run was pressed and, after the last run, ends the benchmark; reading the run's
// result and writing the report join here.
class ResultCollection {
 public:
  ResultCollection(const CollectionControls& controls, bench::RunState& state,
                   platform::WindowPlacement& placement)
      : c_(controls), state_(state), placement_(placement) {}

  void CollectResults();

 private:
  CollectionControls c_;
  bench::RunState& state_;
  platform::WindowPlacement& placement_;
};

}  // namespace tamsendor::report

#include "report/result_collection.h"

namespace tamsendor::report {

void ResultCollection::CollectResults() {
  // The game may have moved or resized the window while it held the screen.
  placement_.SetBounds({state_.SavedLeft, state_.SavedTop, state_.SavedWidth, state_.SavedHeight});
  if (state_.FinishedCount == state_.ChosenCount) {
    c_.Panel2.SetVisible(false);
    c_.BenchButton.SetEnabled(true);
  }
}

}  // namespace tamsendor::report

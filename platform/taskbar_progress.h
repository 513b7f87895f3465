#pragma once

namespace tamsendor::platform {

// The progress shown on the main window's taskbar button, so that a benchmark can be followed
// while the game holds the screen or the window is minimised.
class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  // Under way, with no measure of how far yet.
  virtual void ShowBusy() = 0;
  // `done` of `total` parts finished.
  virtual void ShowProgress(int done, int total) = 0;
  // No progress shown: the button as it is without a benchmark.
  virtual void Clear() = 0;
};

}  // namespace tamsendor::platform

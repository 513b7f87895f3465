#pragma once

#include <functional>
#include <vector>

namespace tamsendor::app {

// The steps each way of leaving the program runs before it ends, in the order they were added.
// The owners of what must be put back (the game's files, the stored note and the cached DirectX
// facts) add their steps here when they are made.
struct CloseCleanUp {
  // Asked before any way of leaving, Exit included; one answer of false keeps the program running.
  std::vector<std::function<bool()>> askFirst;
  std::vector<std::function<void()>> onExitButton;  // before the Exit button ends the program
  std::vector<std::function<void()>> onCloseQuery;  // on any request to close the main window
  std::vector<std::function<void()>> onClose;       // when the main window closes

  static void Run(const std::vector<std::function<void()>>& steps) {
    for (const auto& step : steps)
      step();
  }
  static bool AllAgree(const std::vector<std::function<bool()>>& questions) {
    for (const auto& question : questions)
      if (!question())
        return false;
    return true;
  }
};

}  // namespace tamsendor::app

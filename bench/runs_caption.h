#pragma once

#include <string>

namespace tamsendor::bench {

// What `RunsLabel` shows while a game runs: the runs per resolution and the number of the run
// under way ("Runs: 3/2").
inline std::string RunsCaption(int runCount, int run) {
  return "Runs: " + std::to_string(runCount) + "/" + std::to_string(run);
}

}  // namespace tamsendor::bench

#pragma once

#include <string>

namespace tamsendor::core {

// How far the benchmark in progress has come. The run sequencer keeps it and alone changes it;
// the result collection reads it after every game exit. Numbers start at 0, the tag empty.
struct RunState {
  int ChosenCount = 0;     // resolutions chosen for this benchmark
  int FinishedCount = 0;   // chosen resolutions whose runs are all done
  int RunsDone = 0;        // runs finished at the current resolution
  int RunCount = 0;        // runs per resolution, 1-5 once chosen
  std::string CurrentTag;  // tag of the resolution now running
  // A game process was seen during the run now collected; a run whose game never showed was not
  // started by Steam.
  bool GameSeen = false;
};

}  // namespace tamsendor::core

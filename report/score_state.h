#pragma once

#include <string>

namespace tamsendor::report {

// The scores as the runs leave them. One instance, owned by the main window beside the run
// state, for the whole program run.
struct ScoreState {
  // The most recent run's score as the report shows it: the engine's own figure with one run per
  // resolution, else the rounded whole number. Kept from benchmark to benchmark.
  std::string ScoreText;
  int ScoreValue = 0;  // the most recent score rounded to a whole number
  // Runs of the current resolution, and of the whole benchmark, that left a score.
  int ScoredRuns = 0;
  int BenchmarkScoredRuns = 0;
};

}  // namespace tamsendor::report

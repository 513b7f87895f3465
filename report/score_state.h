#pragma once

#include <cstdint>
#include <string>

namespace tamsendor::report {

// The scores as the runs leave them, kept by the result collection for the whole program run.
struct ScoreState {
  // The most recent run's score as the report shows it: the engine's own figure with one run per
  // resolution, else the rounded whole number. Kept from benchmark to benchmark.
  std::string ScoreText;
  int ScoreValue = 0;           // the most recent score rounded to a whole number
  std::int64_t ScoreTotal = 0;  // sum of the current resolution's whole-number scores
  // Runs of the current resolution, and of the whole benchmark, that left a score.
  int ScoredRuns = 0;
  // The lowest and highest whole-number score of the current resolution's scored runs.
  int ScoreMin = 0;
  int ScoreMax = 0;
  int BenchmarkScoredRuns = 0;
};

}  // namespace tamsendor::report

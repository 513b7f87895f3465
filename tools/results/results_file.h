#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::results {

// One resolution of a results file, as far as listing and comparing need it.
struct ResolutionResult {
  std::string Name;
  std::optional<int> Width;
  std::optional<int> Height;
  bool Custom = false;
  std::string Demo;
  std::optional<double> Average;
  std::optional<double> Min;
  std::optional<double> Max;
};

struct BenchmarkResults {
  std::string Started;  // ISO 8601
  std::string ProgramVersion;
  std::vector<ResolutionResult> Resolutions;
};

// Reads the results file the program writes beside each report. nullopt, with the reason, for a
// file that is no JSON, another program's JSON, a later format version this reader does not
// know, or one whose members are not of the kinds the format gives them.
std::optional<BenchmarkResults> ReadResultsFile(std::string_view text, std::string& reason);

}  // namespace tamsendor::results

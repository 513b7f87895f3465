#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "json/json_value.h"
#include "report/report_lines.h"

namespace tamsendor::report {

// The machine-readable twin of a saved report, for tools and for comparing benchmarks: the same
// name with ".json", UTF-8. A reader checks "format" and "format_version"; a new version is
// given only to a change that old readers would misread.
inline constexpr char kTwinFormat[] = "Korvalin Tamsendor results";
inline constexpr int kTwinFormatVersion = 1;

// A run that scored: its figure as the engine wrote it (without the blanks around it) and that
// figure as a number.
struct TwinRun {
  std::string Text;
  double Fps = 0;
};

struct TwinResolution {
  std::string Name;  // ResolutionName, UTF-8
  // Pixels; a custom size the user typed that is no whole number has none.
  std::optional<int> Width;
  std::optional<int> Height;
  bool Custom = false;
  std::string Demo;
  std::vector<std::optional<TwinRun>> Runs;  // every run in order; nullopt: it gave no result
  // The resolution's result as the report shows it: the whole-number average of several runs, or
  // the one run's own figure. Empty and nullopt when no run scored.
  std::string ResultText;
  std::optional<double> Result;
};

struct ResultsTwin {
  std::string ProgramVersion;
  std::string Started;     // ISO 8601 with the offset from UTC
  std::string ReportFile;  // the HTML report's file name
  HeaderFacts Machine;
  BlockSettings Settings;
  std::vector<TwinResolution> Resolutions;
};

// The size of the resolution with `tag`, as ResolutionName names it.
TwinResolution ResolutionOfTag(std::string_view tag, std::string_view customWidth,
                               std::string_view customHeight);

json::Value TwinDocument(const ResultsTwin& twin);

// The twin's path: the report's with its extension replaced by ".json".
std::string TwinPathOf(std::string_view reportPath);

// The summary's rows: each resolution with a result.
std::vector<SummaryRow> SummaryRows(const ResultsTwin& twin);

}  // namespace tamsendor::report

#pragma once

#include <string>
#include <vector>

#include "tools/results/results_file.h"

namespace tamsendor::results {

// A results file with the name it is listed under.
struct NamedResults {
  std::string FileName;
  BenchmarkResults Results;
};

// One line per resolution of every file, oldest benchmark first: date, resolution, demo, average,
// range and the file's name.
std::string ListTable(std::vector<NamedResults> files);

// The two benchmarks side by side, per resolution: each average and the change from the first
// to the second in percent. A resolution that only one of them ran shows "-" for the other.
std::string CompareTable(const NamedResults& first, const NamedResults& second);

// A number as a table shows it: a whole number without decimals, else up to two.
std::string FormatFigure(double value);

}  // namespace tamsendor::results

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tamsendor::results {

// What the tool reads with. Paths are UTF-8.
struct ResultsIo {
  // The names of the files ending in ".json" directly in `folder`; nullopt and the reason when
  // the folder cannot be read.
  std::function<std::optional<std::vector<std::string>>(const std::string& folder,
                                                        std::string& reason)>
      JsonFilesIn;
  // A file's bytes; nullopt and the reason when it cannot be read.
  std::function<std::optional<std::string>(const std::string& path, std::string& reason)> ReadFile;
};

// A file larger than this is no results file of ours.
inline constexpr std::size_t kResultsFileLimit = 4 * 1024 * 1024;

// `tamsendor-results list [FOLDER]`: the results files in FOLDER (the current folder without
// one) as a table; files that are not results files are named on `err` and skipped.
// `tamsendor-results compare FILE1 FILE2`: the two side by side.
// Appends UTF-8 lines to `out` and reasons to `err`; gives the exit code: 0 done, 1 a file or
// folder could not be read (or compare was given a file that is no results file), 2 a command
// line it does not know.
int RunResultsTool(const std::vector<std::string>& arguments, const ResultsIo& io, std::string& out,
                   std::string& err);

}  // namespace tamsendor::results

#include "tools/results/results_tool.h"

#include "tools/results/results_file.h"
#include "tools/results/results_table.h"

namespace tamsendor::results {

namespace {

constexpr char kUsage[] =
    "usage: tamsendor-results list [FOLDER]          (the results files in FOLDER as a table)\n"
    "       tamsendor-results compare FILE1 FILE2    (two benchmarks side by side)\n";

std::string Joined(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
    return folder + name;
  return folder + "\\" + name;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<NamedResults> Load(const ResultsIo& io, const std::string& path, std::string& err) {
  std::string reason;
  const std::optional<std::string> bytes = io.ReadFile(path, reason);
  if (!bytes) {
    err += "Cannot read " + path + ": " + reason + "\n";
    return std::nullopt;
  }
  if (bytes->size() > kResultsFileLimit) {
    err += "Skipped " + path + ": too large for a results file\n";
    return std::nullopt;
  }
  std::optional<BenchmarkResults> results = ReadResultsFile(*bytes, reason);
  if (!results) {
    err += "Skipped " + path + ": " + reason + "\n";
    return std::nullopt;
  }
  return NamedResults{FileNameOf(path), std::move(*results)};
}

}  // namespace

int RunResultsTool(const std::vector<std::string>& arguments, const ResultsIo& io, std::string& out,
                   std::string& err) {
  if (!arguments.empty() && arguments[0] == "list" && arguments.size() <= 2) {
    const std::string folder = arguments.size() == 2 ? arguments[1] : ".";
    std::string reason;
    const auto names = io.JsonFilesIn(folder, reason);
    if (!names) {
      err += "Cannot read the folder " + folder + ": " + reason + "\n";
      return 1;
    }
    std::vector<NamedResults> files;
    for (const std::string& name : *names)
      if (std::optional<NamedResults> file = Load(io, Joined(folder, name), err))
        files.push_back(std::move(*file));
    if (files.empty()) {
      out += "No results files in " + folder + "\n";
      return 0;
    }
    out += ListTable(std::move(files));
    return 0;
  }
  if (arguments.size() == 3 && arguments[0] == "compare") {
    const std::optional<NamedResults> first = Load(io, arguments[1], err);
    const std::optional<NamedResults> second = Load(io, arguments[2], err);
    if (!first || !second)
      return 1;
    out += CompareTable(*first, *second);
    return 0;
  }
  err += kUsage;
  return 2;
}

}  // namespace tamsendor::results

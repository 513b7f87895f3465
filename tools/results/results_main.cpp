// tamsendor-results: lists the results files beside the program's reports and compares two of
// them, for users who script their benchmarks.
#include <string>

#include "tools/console/console_io.h"
#include "tools/results/results_tool.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tamsendor;
  const results::ResultsIo io{[](const std::string& folder, std::string& reason) {
                                return console::FilesEndingIn(folder, ".json", reason);
                              },
                              console::ReadWholeFile};
  std::string out;
  std::string err;
  const int code = results::RunResultsTool(console::Arguments(argc, argv), io, out, err);
  console::WriteOut(out);
  console::WriteErr(err);
  return code;
}

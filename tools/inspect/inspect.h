#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::inspect {

// What the inspection reads with: a file's bytes (nullopt and the reason when it cannot), and the
// system's ANSI code page, in which the DirectX diagnostic writes its report.
struct InspectIo {
  std::function<std::optional<std::string>(const std::string& path, std::string& reason)> ReadFile;
  std::function<std::string(std::string_view ansi)> AnsiToUtf8;
};

// `tamsendor-inspect dxdiag FILE`: the four DirectX facts the program takes from FILE, read as it
// reads dxinfo.txt, one line each ("Graphics card:", "Memory:", "Driver version:", "Sound
// system:"), with the value after one blank exactly as the report shows it.
// `tamsendor-inspect result FILE`: "Score:" and the figure the result reader takes from an
// engine result file, or "no result".
// Appends the UTF-8 lines to `out` and a reason to `err`; gives the exit code: 0 when the file
// was read, 2 when not (also for a command line it does not know).
int Inspect(const std::vector<std::string>& arguments, const InspectIo& io, std::string& out,
            std::string& err);

}  // namespace tamsendor::inspect

#include "tools/inspect/inspect.h"

#include "report/result_file.h"
#include "sysinfo/dxdiag_report.h"

namespace tamsendor::inspect {

namespace {

constexpr char kUsage[] =
    "usage: tamsendor-inspect dxdiag FILE   (a DirectX diagnostic text report)\n"
    "       tamsendor-inspect result FILE   (an engine timedemo result file)\n";

void AppendLine(std::string& out, std::string_view label, std::string_view value) {
  out.append(label);
  out += ' ';
  out.append(value);
  out += '\n';
}

}  // namespace

int Inspect(const std::vector<std::string>& arguments, const InspectIo& io, std::string& out,
            std::string& err) {
  if (arguments.size() != 2 || (arguments[0] != "dxdiag" && arguments[0] != "result")) {
    err += kUsage;
    return 2;
  }
  const std::string& path = arguments[1];
  std::string reason;
  const std::optional<std::string> bytes = io.ReadFile(path, reason);
  if (!bytes) {
    err += "Cannot read " + path + ": " + reason + "\n";
    return 2;
  }
  if (arguments[0] == "dxdiag") {
    const sysinfo::DirectXFacts facts = sysinfo::ReadDxDiagReport(io.AnsiToUtf8(*bytes));
    AppendLine(out, "Graphics card:", facts.CardName);
    AppendLine(out, "Memory:", facts.DisplayMemory);
    AppendLine(out, "Driver version:", facts.DriverVersion);
    AppendLine(out, "Sound system:", facts.Sound);
  } else if (const std::optional<std::string> score = report::ReadScoreField(*bytes)) {
    AppendLine(out, "Score:", *score);
  } else {
    out += "no result\n";
  }
  return 0;
}

}  // namespace tamsendor::inspect

#include "tools/standins/standin_result_file.h"

#include <algorithm>

namespace tamsendor::standin {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string RowWithFps(const ResultRecord& record, std::string_view fps) {
  std::string row;
  const auto field = [&row](std::string_view text) {
    row += text;
    row += ',';
  };
  field(record.demoFile);
  field("UNKNOWN");
  field(fps);
  field(FormatTenths(record.variabilityTenths));
  field(FormatTenths(record.totalTimeTenths));
  field(std::to_string(record.width));
  field(std::to_string(record.height));
  field(std::to_string(record.frames));
  field(std::to_string(record.dxlevel));
  field("D3DFMT_X8R8G8B8");
  field("Tamsendor stand-in");
  row += kLineEnd;
  return row;
}

}  // namespace

std::string DemoFileName(std::string_view timedemo) {
  std::string name(timedemo);
  std::replace(name.begin(), name.end(), ',', '_');
  const bool hasExtension =
      name.size() >= 4 &&
      EqualsIgnoringCase(std::string_view(name).substr(name.size() - 4), ".dem");
  return hasExtension ? name : name + ".dem";
}

ResultRecord MakeResultRecord(std::string_view timedemo, const GameSettings& settings,
                              const std::optional<Jitter>& jitter) {
  ResultRecord record;
  record.demoFile = DemoFileName(timedemo);
  record.fpsTenths = FpsTenths(settings, jitter);
  record.variabilityTenths = record.fpsTenths / 25;
  // frames / fps seconds, in tenths of a second, rounded.
  record.totalTimeTenths =
      (200 * std::int64_t{record.frames} + record.fpsTenths) / (2 * record.fpsTenths);
  record.width = settings.width;
  record.height = settings.height;
  record.dxlevel = settings.dxlevel;
  return record;
}

std::string ResultFileHeader() {
  std::string text = "Half-Life 2 Benchmark Results";
  text += kLineEnd;
  text += kLineEnd;
  text +=
      "demofile,frame data spreadsheet,frames/sec,framerate variability,totaltime (sec),width,"
      "height,numframes,dxlevel,backbuffer format,cmdline,driver name,driver desc,driver version,"
      "vendor id,device id,subsys id,revision,whqllevel,forcetrilinear,fastclip,shaderdll,sound,"
      "vsync,";
  text += kLineEnd;
  return text;
}

std::string ResultRow(const ResultRecord& record) {
  return RowWithFps(record, FormatTenths(record.fpsTenths));
}

std::string MalformedResultFile(MalformedKind kind, const ResultRecord& record) {
  switch (kind) {
    case MalformedKind::kShort:
      return ResultFileHeader();
    case MalformedKind::kFewFields:
      return ResultFileHeader() + record.demoFile + ",UNKNOWN" + std::string(kLineEnd);
    case MalformedKind::kBadFps:
      return ResultFileHeader() + RowWithFps(record, " 1.#J");
  }
  return {};
}

}  // namespace tamsendor::standin

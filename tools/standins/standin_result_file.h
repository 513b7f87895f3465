#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/standins/standin_fps.h"

// sourcebench.csv as the 2007 engine writes it: a title line, an empty line and a header when the
// file is new, then one row per timedemo, every field followed by a comma, lines ended by CR LF.
namespace tamsendor::standin {

// Every stand-in demo has as many frames, as a recorded demo always has.
inline constexpr int kDemoFrames = 3000;

struct ResultRecord {
  std::string demoFile;  // "qordemo1.dem"
  std::int64_t fpsTenths = 0;
  std::int64_t variabilityTenths = 0;
  std::int64_t totalTimeTenths = 0;
  int width = 0;
  int height = 0;
  int frames = kDemoFrames;
  int dxlevel = 0;
};

// The name the engine writes for "+timedemoquit NAME": NAME with ".dem" unless it has it already.
// A comma would split the field, so it becomes "_".
std::string DemoFileName(std::string_view timedemo);

// The run's figures: variability is a 25th of the fps, total time is frames / fps.
ResultRecord MakeResultRecord(std::string_view timedemo, const GameSettings& settings,
                              const std::optional<Jitter>& jitter);

// The three lines that start a new file.
std::string ResultFileHeader();

// One run's line, for example
// "qordemo1.dem,UNKNOWN,121.4,  4.8, 24.7,1024,768,3000,90,D3DFMT_X8R8G8B8,Tamsendor stand-in,"
// followed by CR LF.
std::string ResultRow(const ResultRecord& record);

// What the stand-in writes instead when a test asks for a broken file (it replaces the file).
enum class MalformedKind {
  kShort,      // title, empty line and header only: fewer than four lines
  kFewFields,  // a fourth line with only two fields, so no third comma
  kBadFps,     // a full row whose fps field is " 1.#J", as the old runtime printed infinity
};
std::string MalformedResultFile(MalformedKind kind, const ResultRecord& record);

}  // namespace tamsendor::standin

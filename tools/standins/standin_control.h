#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tools/standins/standin_result_file.h"

// The control file ep2\standin-hl2.ini through which a test makes the stand-in game misbehave.
// key=value lines; keys ignore case; blanks around keys and values, empty lines and lines starting
// with ';' or '#' are ignored, and so are unknown keys and values that do not parse.
//
//   mode=normal            play, then write the result (the default)
//   mode=crash             end at once with exit code 0xC0000005, no result
//   mode=crash_late        play, then end with exit code 0xC0000005, no result
//   mode=hang              wait hang_ms, then exit 0 without a result
//   mode=nothing           play, then exit 0 without writing anything
//   mode=malformed_short   play, then replace the file with title, empty line and header only
//   mode=malformed_fields  ... with a fourth line of two fields ("qordemo1.dem,UNKNOWN")
//   mode=malformed_fps     ... with a full row whose fps field is " 1.#J"
//   play_ms=N              play time (default 500)
//   hang_ms=N              how long mode=hang waits (default 10000)
//   seed=N                 jitter the fps with this seed (see FpsTenths)
//   second_copy_ms=N       also start a second game process that lives N ms and does nothing else
namespace tamsendor::standin {

enum class GameMode {
  kNormal,
  kCrash,
  kCrashLate,
  kHang,
  kNothing,
  kMalformedShort,
  kMalformedFields,
  kMalformedFps
};

struct ControlSettings {
  GameMode mode = GameMode::kNormal;
  int playMs = 500;
  int hangMs = 10000;
  std::optional<std::uint32_t> seed;
  int secondCopyMs = 0;
};

ControlSettings ParseControlFile(std::string_view text);

// The broken file a malformed mode writes; nullopt for the other modes.
std::optional<MalformedKind> MalformedKindOf(GameMode mode);

}  // namespace tamsendor::standin

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/standins/standin_command_line.h"

// How fast the stand-in game "plays": a deterministic figure from the resolution and the settings
// it finds, so that tests can predict every score.
namespace tamsendor::standin {

// What the stand-in game takes into account.
struct GameSettings {
  int width = 1024;
  int height = 768;
  int dxlevel = 90;
  int antialias = 1;  // mat_antialias: samples per pixel, 1 = none
  int hdrLevel = 0;   // mat_hdr_level: 0 none, 1 bloom, 2 full
  bool fastZReject = false;
};

// The game's values in HKEY_CURRENT_USER\Software\Valve\Source\ep2\Settings that the stand-in
// reads; empty when absent.
struct StoredSettings {
  std::optional<std::uint32_t> antialias;  // "mat_antialias"
  std::optional<std::uint32_t> hdrLevel;   // "mat_hdr_level"
};

// As the game starts: the stored values first, then autoexec.cfg's console lines (the last line
// of a variable wins), then the command line for size, DirectX level and fast-Z. A width or
// height that is absent or not positive falls back to 1024 x 768, a missing -dxlevel to 90.
GameSettings ComposeGameSettings(const GameOptions& options, const StoredSettings& stored,
                                 std::string_view autoexec);

// Optional run-to-run variation. launch is the 1-based number of the game launch (the count of
// lines in the game's launch log), so repeated runs of one benchmark differ predictably.
struct Jitter {
  std::uint32_t seed = 0;
  std::uint32_t launch = 1;
};

// The frames per second in tenths (1214 means 121.4), in integers so that every build prints the
// same digits:
//   weight = 100 at -dxlevel 90..94, 115 at 95 and above, 85 below 90
//            + 10 * (mat_antialias - 1) when antialiasing (2x +10, 4x +30, 8x +70)
//            + 10 * mat_hdr_level (0..2)
//            - 5 with +r_fastzreject 1
//   tenths = round(144 000 000 000 / (width * height * weight + 40 000 000))
// With a jitter, tenths * (1000 + p) / 1000 (rounded), p in -40..40 from a hash of the seed, the
// launch number, width and height. Never below 1.
std::int64_t FpsTenths(const GameSettings& settings, const std::optional<Jitter>& jitter);

// Tenths as printf("%5.1f") prints them, always with a point: 1214 -> "121.4", 457 -> " 45.7".
std::string FormatTenths(std::int64_t tenths);

}  // namespace tamsendor::standin

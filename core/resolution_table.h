#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tamsendor::core {

// One offered resolution. The table order is the order in which a benchmark runs them.
struct ResolutionEntry {
  int Row;                       // item index in the `res` check group
  std::string_view Caption;      // the item's text ("×" is the multiplication sign)
  std::string_view ModeText;     // the display-mode text that offers the row
  std::string_view SettingName;  // the product-key value that stores the tick
  std::string_view Tag;          // `CurrentTag` while the row runs
  int Width;
  int Height;
  std::string_view ProgressCaption;  // `Label21` while the row runs
  std::string_view ErrorText;        // `StatusInfo` when the launch cannot start
  std::string_view ReportRemark;     // follows the size in the report's heading
};

inline constexpr int kResolutionRows = 9;

// Rows 0-8. The 1280 x 1024 row reports a shorter error text than the others; users have seen
// both for years, so both stay.
inline constexpr std::array<ResolutionEntry, kResolutionRows> kResolutionTable{{
    {0, "640 \xC3\x97 480", "640 x 480", "640", "640", 640, 480, "Resolution: 640 \xC3\x97 480...",
     "Program error, benchmark aborted!", ""},
    {1, "800 \xC3\x97 600", "800 x 600", "800", "800", 800, 600, "Resolution: 800 \xC3\x97 600...",
     "Program error, benchmark aborted!", ""},
    {2, "1024 \xC3\x97 768", "1024 x 768", "1024", "1024", 1024, 768,
     "Resolution: 1024 \xC3\x97 768...", "Program error, benchmark aborted!", ""},
    {3, "1280 \xC3\x97 1024", "1280 x 1024", "1280", "1280", 1280, 1024,
     "Resolution: 1280 \xC3\x97 1024...", "Program error.", ""},
    {4, "1600 \xC3\x97 1200", "1600 x 1200", "1600", "1600", 1600, 1200,
     "Resolution: 1600 \xC3\x97 1200...", "Program error, benchmark aborted!", ""},
    {5, "2048 \xC3\x97 1536", "2048 x 1536", "2048", "2048", 2048, 1536,
     "Resolution: 2048 \xC3\x97 1536...", "Program error, benchmark aborted!", ""},
    {6, "1280 \xC3\x97 768", "1280 x 768", "hdw1", "hdtv1", 1280, 768,
     "Resolution: 1280 \xC3\x97 768 (HD WideScreen)...", "Program error, benchmark aborted!",
     " (HD WideScreen)"},
    {7, "1920 \xC3\x97 1080", "1920 x 1080", "hdw2", "hdtv2", 1920, 1080,
     "Resolution: 1920 \xC3\x97 1080 (HD WideScreen)...", "Program error, benchmark aborted!",
     " (HD WideScreen)"},
    {8, "1920 \xC3\x97 1200", "1920 x 1200", "hdw3", "hdtv3", 1920, 1200,
     "Resolution: 1920 \xC3\x97 1200 (HD WideScreen)...", "Program error, benchmark aborted!",
     " (HD WideScreen)"},
}};

// The user's own size, chosen with `cusresbox`; its width and height come from `CusWidth` and
// `CusHeight`, and count only as pixel counts (see IsPixelCountText).
struct CustomResolution {
  static constexpr std::string_view Caption = "Custom resolution:";
  static constexpr std::string_view SettingName = "CusRes";
  static constexpr std::string_view WidthSettingName = "CusW";
  static constexpr std::string_view HeightSettingName = "CusH";
  static constexpr std::string_view Tag = "custom";
  static constexpr std::string_view ErrorText = "Program error, benchmark aborted!";
};

// A width or height as the display lists it: one to five digits, the first not 0. The custom
// size's texts go into the game's command line and come from the registry, so nothing else may
// pass: a blank, sign or line break would add options of its own.
bool IsPixelCountText(std::string_view text);

// The row whose tag this is, or nullopt (also for "custom", which has no row). Exact and
// case-sensitive, as the tags are compared.
std::optional<int> RowOfTag(std::string_view tag);

}  // namespace tamsendor::core

#pragma once

#include <string_view>

namespace tamsendor::core {

// Who makes this program and every address it names, in one place: the title line and the
// footer of every report, the links of the main window and the news page say the same.
inline constexpr std::string_view kMakerSite = "www.korvalin.com";
inline constexpr std::string_view kMakerCopyright =
    "Copyright \xC2\xA9 2007-2026 Korvalin. All rights reserved.";

// The maker's home page, opened by "Visit our site" and the "Homepage" item.
inline constexpr std::string_view kHomePage = "https://www.korvalin.com/";
// The news page the news window shows.
inline constexpr std::string_view kNewsPage = "https://www.korvalin.com/benchmarks/news.html";
// The update server's information file, read by "Check for newer version".
inline constexpr std::string_view kUpdateInfoAddress =
    "https://www.korvalin.com/updates/tamsendor.inf";
// The tweak guide for the game, opened by the "HL2 EO Tweakguide" item.
inline constexpr std::string_view kTweakGuidePage = "https://www.tweakguides.com/HL2_1.html";
// Where users send crash reports, and the page that tells how support works.
inline constexpr std::string_view kSupportAddress = "support@korvalin.com";
inline constexpr std::string_view kSupportPage = "https://www.korvalin.com/support/";

}  // namespace tamsendor::core

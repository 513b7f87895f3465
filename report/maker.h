#pragma once

#include <string_view>

namespace tamsendor::report {

// Who makes this program, as the report names it. One place, so the title line and the footer of
// every report, and any other page that names the maker, say the same.
inline constexpr std::string_view kMakerSite = "www.korvalin.com";
inline constexpr std::string_view kMakerCopyright =
    "Copyright \xC2\xA9 2007-2026 Korvalin. All rights reserved.";

}  // namespace tamsendor::report

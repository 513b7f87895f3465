#pragma once

#include <string>
#include <string_view>

namespace tamsendor::bench {

// The benchmark's start time as a file name part: every ":", ".", "/", "-", "\" and blank of the
// locale's text becomes "_" ("2007.11.23. 21:05:07" gives "2007_11_23__21_05_07").
std::string MakeFileStamp(std::string_view localeDateTime);

}  // namespace tamsendor::bench

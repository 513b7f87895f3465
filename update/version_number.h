#pragma once

#include <string_view>

namespace tamsendor::update {

// Orders two dotted version numbers ("1.10.0.0" against "1.2.0.0"): each is split at "." into up
// to four parts, compared part by part as whole numbers (of any length; a missing part counts as
// 0), and the first unequal part decides. When a part of either is not a number, the two texts
// are compared as plain strings instead. Negative: a before b; 0: the same; positive: a after b.
int CompareVersions(std::string_view a, std::string_view b);

}  // namespace tamsendor::update

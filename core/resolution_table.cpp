#include "core/resolution_table.h"

namespace tamsendor::core {

bool IsPixelCountText(std::string_view text) {
  constexpr std::size_t kMostDigits = 5;
  if (text.empty() || text.size() > kMostDigits || text.front() == '0')
    return false;
  for (const char c : text) {
    if (c < '0' || c > '9')
      return false;
  }
  return true;
}

std::optional<int> RowOfTag(std::string_view tag) {
  for (const ResolutionEntry& entry : kResolutionTable) {
    if (entry.Tag == tag)
      return entry.Row;
  }
  return std::nullopt;
}

}  // namespace tamsendor::core

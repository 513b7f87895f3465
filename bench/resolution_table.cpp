#include "bench/resolution_table.h"

namespace tamsendor::bench {

std::optional<int> RowOfTag(std::string_view tag) {
  for (const ResolutionEntry& entry : kResolutionTable) {
    if (entry.Tag == tag)
      return entry.Row;
  }
  return std::nullopt;
}

}  // namespace tamsendor::bench

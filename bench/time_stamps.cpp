#include "bench/time_stamps.h"

namespace tamsendor::bench {

std::string MakeFileStamp(std::string_view localeDateTime) {
  std::string stamp(localeDateTime);
  for (char& c : stamp) {
    if (c == ':' || c == '.' || c == '/' || c == '-' || c == '\\' || c == ' ')
      c = '_';
  }
  return stamp;
}

}  // namespace tamsendor::bench

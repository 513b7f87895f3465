#include "platform/local_time.h"

#include <cstdio>
#include <cstdlib>

namespace tamsendor::platform {

std::string Iso8601(const LocalTime& time) {
  const int offset = std::abs(time.OffsetMinutes);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.Year,
                time.Month, time.Day, time.Hour, time.Minute, time.Second,
                time.OffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

}  // namespace tamsendor::platform

#pragma once

#include <string>

namespace tamsendor::platform {

// A moment of the user's local time, and how far that time is ahead of UTC.
struct LocalTime {
  int Year = 0;
  int Month = 0;  // 1-12
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int OffsetMinutes = 0;  // east of UTC is positive
};

// "2007-11-23T21:05:07+01:00": ISO 8601, which every tool reads. UTC itself is "+00:00".
std::string Iso8601(const LocalTime& time);

}  // namespace tamsendor::platform

#pragma once

#include <string>

namespace tamsendor::platform {

// The local date and time, and numbers, as the user's locale writes them.
class LocaleClock {
 public:
  virtual ~LocaleClock() = default;
  // The short date, one blank, the long time ("2007.11.23. 21:05:07").
  virtual std::string NowShortDateLongTime() const = 0;
  // The same moment for programs: ISO 8601 local time with the offset from UTC
  // ("2007-11-23T21:05:07+01:00"; see Iso8601 in local_time.h).
  virtual std::string NowIso8601() const = 0;
  // The decimal separator ("." or "," in most locales).
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace tamsendor::platform

#pragma once

#include <functional>
#include <optional>

namespace tamsendor::platform {

// The clock as the report gives it: the measured whole MHz moved to the nearest of the steps
// processors are sold at within each hundred (0, 20, 33, 50, 60, 66, 80, 90, 100), a tie going
// to the higher step. 2993 gives 2990, 1995 gives 2000, 3010 gives 3020, 2999 gives 3000.
int NormalizeClockMhz(int measuredMhz);

// Takes readings of the clock in MHz until three successive ones agree within 1 MHz, or until
// `maxReadings` have been taken, and gives the middle one of the last three, rounded to whole
// MHz. A busy machine disturbs single readings; three that agree are the clock. nullopt when a
// reading cannot be taken, or when the limit leaves fewer than three.
std::optional<int> SettledClockMhz(const std::function<std::optional<double>()>& readMhz,
                                   int maxReadings);

}  // namespace tamsendor::platform

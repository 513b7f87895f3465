#include "platform/processor_clock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>

namespace tamsendor::platform {

int NormalizeClockMhz(int measuredMhz) {
  constexpr std::array<int, 9> kSteps{0, 20, 33, 50, 60, 66, 80, 90, 100};
  const int r = measuredMhz % 100;
  for (std::size_t i = 1; i < kSteps.size(); ++i) {
    const int hi = kSteps[i];
    if (hi <= r)
      continue;
    const int lo = kSteps[i - 1];
    return r - lo < hi - r ? measuredMhz - (r - lo) : measuredMhz + (hi - r);
  }
  return measuredMhz;  // not reached: r is below 100
}

std::optional<int> SettledClockMhz(const std::function<std::optional<double>()>& readMhz,
                                   int maxReadings) {
  std::deque<double> lastThree;
  for (int taken = 0; taken < maxReadings; ++taken) {
    const std::optional<double> reading = readMhz();
    if (!reading)
      return std::nullopt;
    lastThree.push_back(*reading);
    if (lastThree.size() > 3)
      lastThree.pop_front();
    if (lastThree.size() < 3)
      continue;
    const auto [low, high] = std::minmax_element(lastThree.begin(), lastThree.end());
    if (*high - *low <= 1.0 || taken + 1 == maxReadings) {
      std::array<double, 3> sorted{lastThree[0], lastThree[1], lastThree[2]};
      std::sort(sorted.begin(), sorted.end());
      return static_cast<int>(std::lround(sorted[1]));
    }
  }
  return std::nullopt;
}

}  // namespace tamsendor::platform

#include "platform/processor_clock.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace tamsendor::platform {
namespace {

TEST(ProcessorClockTest, NormalisedToTheNearestStepTiesGoingUp) {
  const struct {
    int measured, shown;
  } cases[] = {
      {2993, 2990}, {1995, 2000}, {1866, 1866}, {2133, 2133}, {3010, 3020},
      {2415, 2420}, {2999, 3000}, {3000, 3000}, {2550, 2550}, {2641, 2633},
      {2642, 2650}, {2672, 2666}, {2673, 2680}, {85, 90},     {96, 100},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NormalizeClockMhz(c.measured), c.shown) << c.measured;
}

// Readings handed out one by one; nullopt stands for one that cannot be taken.
struct Readings {
  std::vector<std::optional<double>> values;
  std::size_t taken = 0;
  std::optional<double> operator()() { return values.at(taken++); }
};

TEST(ProcessorClockTest, ReadsUntilThreeSuccessiveReadingsAgree) {
  const struct {
    const char* what;
    std::vector<std::optional<double>> readings;
    int limit;
    std::optional<int> clock;
    std::size_t taken;
  } cases[] = {
      {"the first three agree", {2993.2, 2993.9, 2992.9}, 10, 2993, 3},
      {"a disturbed reading first", {2400.0, 2993.4, 2993.1, 2993.6}, 10, 2993, 4},
      {"agreement is within 1 MHz", {2990.0, 2991.5, 2993.0, 2993.4, 2992.6}, 10, 2993, 5},
      {"the limit: the middle of the last three", {1000, 2000, 3000, 2500, 2900}, 5, 2900, 5},
      {"a reading that cannot be taken", {2993.0, std::nullopt}, 10, std::nullopt, 2},
      {"a limit below three", {2993.0, 2993.0}, 2, std::nullopt, 2},
  };
  for (const auto& c : cases) {
    Readings readings{c.readings};
    EXPECT_EQ(SettledClockMhz(std::ref(readings), c.limit), c.clock) << c.what;
    EXPECT_EQ(readings.taken, c.taken) << c.what;
  }
}

}  // namespace
}  // namespace tamsendor::platform

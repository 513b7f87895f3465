#include "platform/local_time.h"

#include <gtest/gtest.h>

namespace tamsendor::platform {
namespace {

TEST(LocalTimeTest, OffsetsEastWestAndHalfHours) {
  struct Case {
    int offset;
    const char* text;
  };
  const Case cases[] = {
      {60, "2007-11-23T21:05:07+01:00"},   {0, "2007-11-23T21:05:07+00:00"},
      {-300, "2007-11-23T21:05:07-05:00"}, {330, "2007-11-23T21:05:07+05:30"},
      {-210, "2007-11-23T21:05:07-03:30"}, {765, "2007-11-23T21:05:07+12:45"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Iso8601({2007, 11, 23, 21, 5, 7, c.offset}), c.text) << c.offset;
  EXPECT_EQ(Iso8601({2026, 1, 2, 3, 4, 5, 0}), "2026-01-02T03:04:05+00:00");
}

}  // namespace
}  // namespace tamsendor::platform

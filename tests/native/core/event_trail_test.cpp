#include "core/event_trail.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace tamsendor::core {
namespace {

TEST(EventTrailTest, KeepsTheNewestEntriesOldestFirstWithTheirTimes) {
  std::uint64_t now = 0;
  EventTrail trail([&] { return now; });
  EXPECT_EQ(trail.Activity(), "idle");
  for (std::size_t i = 0; i < EventTrail::kCapacity + 5; ++i) {
    now = i * 10;
    trail.Add("step " + std::to_string(i));
  }
  const auto entries = trail.Entries();
  ASSERT_EQ(entries.size(), EventTrail::kCapacity);
  EXPECT_EQ(entries.front(), (EventTrail::Entry{50, "step 5"}));
  EXPECT_EQ(entries.back().text, "step " + std::to_string(EventTrail::kCapacity + 4));

  trail.SetActivity("resolution 1 of 2, run 1 of 3");
  EXPECT_EQ(trail.Activity(), "resolution 1 of 2, run 1 of 3");
  EXPECT_EQ(trail.Entries().back().text, "now resolution 1 of 2, run 1 of 3");
}

TEST(EventTrailTest, ThreadsAddWithoutLosingEntries) {
  EventTrail trail([] { return 0; });
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&trail] {
      for (int i = 0; i < 10; ++i)
        trail.Add("x");
    });
  for (auto& thread : threads)
    thread.join();
  EXPECT_EQ(trail.Entries().size(), 40u);
}

}  // namespace
}  // namespace tamsendor::core

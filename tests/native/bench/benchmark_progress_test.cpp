// What a running benchmark shows of itself: the run and resolution, the time left as the runs so
// far measure it, and the taskbar button.
#include <gtest/gtest.h>

#include "bench/run_progress.h"
#include "tests/native/bench/bench_harness.h"

namespace tamsendor::bench::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(BenchmarkProgressTest, TimeLeftIsRoundedToWholeMinutes) {
  const struct {
    std::uint64_t ms;
    const char* text;
  } cases[] = {
      {0, "Less than a minute left"},  {29999, "Less than a minute left"},
      {30000, "About 1 minute left"},  {89999, "About 1 minute left"},
      {90000, "About 2 minutes left"}, {3600000, "About 60 minutes left"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TimeLeftCaption(c.ms), c.text) << c.ms;
}

// Each run lasts from its launch to its collection: a 60 s game is collected 63 s after its
// launch (the settle to 32 s, the polls every 5 s, the game's end at 61 s, a second more), a
// 180 s game after 183 s.
TEST(BenchmarkProgressTest, TheEstimateComesFromTheMeasuredRuns) {
  const struct {
    const char* what;
    std::vector<std::uint32_t> gameSeconds;
    Texts atLaunch;
    const char* atLastGameExit;  // 57 s into the last run, at its last poll
  } cases[] = {
      {"equal runs",
       {60, 60, 60, 60},
       // 3 x 63 s, 2 x 63 s, 1 x 63 s
       {"", "About 3 minutes left", "About 2 minutes left", "About 1 minute left"},
       // 63 s less 57 s
       "Less than a minute left"},
      {"unequal runs",
       {60, 180, 60, 60},
       // 3 x 63 s; 2 x the mean of 63 and 183 s; the mean of 63, 183 and 63 s
       {"", "About 3 minutes left", "About 4 minutes left", "About 2 minutes left"},
       // 103 s less 57 s
       "About 1 minute left"},
  };
  for (const auto& c : cases) {
    BenchHarness h;
    std::size_t launch = 0;
    auto recordLaunch = h.game.onLaunch;
    h.game.onLaunch = [&](const platform::ProcessStart& start) {
      recordLaunch(start);
      h.game.gameMs = c.gameSeconds[launch++] * 1000;
    };
    Texts atGameExit;
    h.game.onGameExit = [&](std::size_t) {
      atGameExit.push_back(h.controls.TimeLeftLabel.Caption());
    };
    h.Choose({1, 4}, 2);
    h.RunToEnd();
    EXPECT_EQ(h.timeLeftAtLaunch, c.atLaunch) << c.what;
    EXPECT_EQ(h.taskbarAtLaunch, (Texts{"busy", "1/4", "2/4", "3/4"})) << c.what;
    EXPECT_EQ(h.runsLabelAtLaunch,
              (Texts{"Run 1 of 2, resolution 1 of 2", "Run 2 of 2, resolution 1 of 2",
                     "Run 1 of 2, resolution 2 of 2", "Run 2 of 2, resolution 2 of 2"}))
        << c.what;
    // The polls keep the estimate going.
    EXPECT_EQ(atGameExit.back(), c.atLastGameExit) << c.what;
    // At the end the button is plain again and the panel's controls are put away.
    EXPECT_EQ(h.taskbar.state, "none") << c.what;
    EXPECT_EQ(h.controls.TimeLeftLabel.Caption(), "") << c.what;
    EXPECT_FALSE(h.controls.StopButton.Visible()) << c.what;
  }
}

}  // namespace
}  // namespace tamsendor::bench::testing

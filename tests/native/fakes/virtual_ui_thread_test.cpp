#include "tests/fakes/virtual_ui_thread.h"

#include <gtest/gtest.h>

#include <string>

namespace tamsendor::fakes {
namespace {

TEST(VirtualUiThreadTest, TimersFireInDueOrderAndOnlyWhenTheClockMoves) {
  VirtualUiThread ui;
  std::string log;
  ui.After(30000, [&] {
    log += "settled@" + std::to_string(ui.NowMs()) + " ";
    ui.After(5000, [&] { log += "poll@" + std::to_string(ui.NowMs()) + " "; });
  });
  ui.After(1000, [&] { log += "a@" + std::to_string(ui.NowMs()) + " "; });
  const auto cancelled = ui.After(2000, [&] { log += "cancelled "; });
  ui.After(1000, [&] { log += "b "; });  // same due time: in the order set
  ui.Post([&] { log += "posted "; });
  ui.Cancel(cancelled);
  EXPECT_EQ(log, "");

  ui.AdvanceBy(30000);
  EXPECT_EQ(log, "posted a@1000 b settled@30000 ");
  EXPECT_EQ(ui.PendingTimers(), 1u);
  EXPECT_TRUE(ui.RunUntilIdle());
  EXPECT_EQ(log, "posted a@1000 b settled@30000 poll@35000 ");
  EXPECT_EQ(ui.NowMs(), 35000u);
}

}  // namespace
}  // namespace tamsendor::fakes

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/virtual_ui_thread.h"
#include "tests/native/ui/recording_peer.h"
#include "ui/busy_indicator.h"
#include "ui/group_bar.h"
#include "ui/page_control.h"

namespace tamsendor::ui {
namespace {

TEST(PageControlTest, OnlyTheActivePageIsVisible) {
  PageControl pages("PageControl");
  Panel one("TabSheet1"), two("TabSheet2");
  pages.AddPage(one);
  pages.AddPage(two);
  EXPECT_FALSE(one.Visible());
  EXPECT_FALSE(two.Visible());
  pages.SetActivePageIndex(1);
  EXPECT_FALSE(one.Visible());
  EXPECT_TRUE(two.Visible());
  pages.SetActivePageIndex(0);
  EXPECT_TRUE(one.Visible());
  EXPECT_FALSE(two.Visible());
  pages.SetActivePageIndex(2);
  EXPECT_EQ(pages.ActivePageIndex(), -1);
  EXPECT_FALSE(one.Visible());
}

TEST(GroupBarTest, OneGroupOpenAtATimeAndItemsOnlyOfTheOpenOne) {
  GroupBar bar("RzGroupBar1");
  BarGroup benchmark("RzGroup1"), other("RzGroup3");
  benchmark.SetItems({"Path && information", "Miscellaneous"});
  other.SetItems({"About..."});
  bar.AddGroup(benchmark);
  bar.AddGroup(other);
  std::vector<std::string> clicked;
  benchmark.ItemAt(1).OnClick = [&] { clicked.push_back("Miscellaneous"); };
  other.ItemAt(0).OnClick = [&] { clicked.push_back("About"); };

  EXPECT_EQ(bar.OpenGroupIndex(), -1);
  bar.HandleItemClick(0, 1);  // closed: its items cannot be clicked
  bar.HandleCaptionClick(0);
  bar.HandleItemClick(0, 1);
  bar.HandleCaptionClick(1);
  EXPECT_EQ(bar.OpenGroupIndex(), 1);
  bar.HandleItemClick(0, 1);  // closed again
  bar.HandleItemClick(1, 0);
  bar.HandleCaptionClick(1);
  EXPECT_EQ(bar.OpenGroupIndex(), -1);
  EXPECT_EQ(clicked, (std::vector<std::string>{"Miscellaneous", "About"}));
}

TEST(BusyIndicatorTest, StepsEvery100MsOnlyWhileEnabledAndVisible) {
  fakes::VirtualUiThread clock;
  BusyIndicator busy("AdvCircularProgress1", clock);
  busy.SetVisible(false);
  busy.SetEnabled(false);
  clock.AdvanceBy(1000);
  EXPECT_EQ(busy.Step(), 0);

  busy.SetVisible(true);
  clock.AdvanceBy(1000);
  EXPECT_EQ(busy.Step(), 0) << "visible but disabled";

  testing::RecordingPeer peer;
  busy.AttachPeer(&peer);
  busy.SetEnabled(true);
  clock.AdvanceBy(99);
  EXPECT_EQ(busy.Step(), 0);
  clock.AdvanceBy(1);
  EXPECT_EQ(busy.Step(), 1);
  clock.AdvanceBy(BusyIndicator::kSegments * 100);
  EXPECT_EQ(busy.Step(), 1) << "a full turn";
  EXPECT_EQ(std::count(peer.changes.begin(), peer.changes.end(), Property::Step),
            BusyIndicator::kSegments + 1);

  busy.SetVisible(false);
  EXPECT_EQ(clock.PendingTimers(), 0u);
}

TEST(BusyIndicatorTest, GoingAwayCancelsItsTimer) {
  fakes::VirtualUiThread clock;
  {
    BusyIndicator busy("AdvCircularProgress1", clock);
    EXPECT_EQ(clock.PendingTimers(), 1u);
  }
  EXPECT_EQ(clock.PendingTimers(), 0u);
  clock.AdvanceBy(1000);
}

}  // namespace
}  // namespace tamsendor::ui

#include <gtest/gtest.h>

#include "tests/native/report/report_run.h"

namespace tamsendor::report {
namespace {

using testing::ExpectGold;
using testing::kReport;
using testing::ReportRun;

TEST(ReportRunTest, OneRunAtOneResolution) {
  ReportRun r;
  r.Run({2}, 1, {" 61.2"});
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "The benchmarking is successful.");
  EXPECT_EQ(r.collection.ReportPath(), kReport);
  EXPECT_EQ(r.opener.opened, std::vector<std::string>{kReport});
  EXPECT_EQ(r.collection.Scores().ScoreText, " 61.2");  // as the engine wrote it
  ExpectGold("one_run.htm", r.Saved());
}

TEST(ReportRunTest, TwoRunsNoteAndDisplayClass) {
  ReportRun r;
  r.host.totalPhysicalMemory = 805306368;
  r.probes.displayClass = {true, "NVIDIA GeForce 8800 GTX", "575 MHz", "900 MHz"};
  r.h.controls.NoteEdit.SetText("Quiet room <b>& \"new\" driver \xE2\x82\xAC");
  r.h.controls.HDRBox.SetItemIndex(2);
  r.h.controls.AABox.SetItemIndex(2);
  r.h.controls.AFBox.SetItemIndex(5);
  r.h.controls.MBlurBox.SetItemIndex(0);
  r.h.controls.ColorCorrBox.SetChecked(true);
  r.Run({2}, 2, {" 50.4", " 51.6"});
  EXPECT_EQ(r.collection.Scores().ScoreText, "52");
  EXPECT_EQ(r.collection.Scores().ScoreValue, 52);
  ExpectGold("two_runs.htm", r.Saved());
}

TEST(ReportRunTest, CustomSizeWithBothAdapterProbes) {
  ReportRun r;
  r.host.totalPhysicalMemory = 1000000000;
  r.probes.ati = {true, "Radeon X1950 Pro", "", "GDDR3", "575 MHz", "690 MHz"};
  r.probes.displayClass = {true, "Radeon X1950 Pro", "575", "690"};
  r.Run({}, 1, {"120.0"}, "1440", "900");
  ExpectGold("custom.htm", r.Saved());
}

// The ATI block names the bus only when the driver tells both bus and memory type.
TEST(ReportRunTest, BusTypeNeedsTheMemoryTypeToo) {
  ReportRun r;
  r.probes.ati = {true, "Radeon X1950 Pro", "PCI Express x16", "GDDR3", "575 MHz", "690 MHz"};
  r.Run({2}, 1, {"61.2"});
  EXPECT_NE(r.Saved().find("<b>Bustype:</b> PCI Express x16</FONT><br>\r\n"), std::string::npos);
  EXPECT_EQ(r.Saved().find("class=\"style4\">VGA Information"),
            r.Saved().rfind("class=\"style4\">VGA Information"))
      << "one graphics section";
}

}  // namespace
}  // namespace tamsendor::report

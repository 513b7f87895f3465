#include "crash/crash_report.h"

#include <gtest/gtest.h>

namespace tamsendor::crash {
namespace {

TEST(CrashReportTest, TellsVersionSystemFaultPlaceStackActivityAndTrail) {
  CrashReport report;
  report.programVersion = "1.2.0.0";
  report.osName = "Windows 10 Pro (build 19045)";
  report.time = "2026.12.11. 02:10:00";
  report.facts.what = "access violation (0xC0000005)";
  report.facts.address = platform::CodeLocation{"tamsendor.exe", 0x1a2b};
  report.facts.stack = {{"tamsendor.exe", 0x1a2b}, {"user32.dll", 0x99}, {"", 0x7}};
  report.activity = "resolution 1 of 2, run 2 of 3";
  report.trail = {{1500, "launch hl2.exe -width 1280"}, {61234, "game ended"}};

  EXPECT_EQ(ComposeCrashReport(report),
            "Korvalin Tamsendor crash report\r\n"
            "\r\n"
            "Program version: 1.2.0.0\r\n"
            "System: Windows 10 Pro (build 19045)\r\n"
            "Time: 2026.12.11. 02:10:00\r\n"
            "Fault: access violation (0xC0000005)\r\n"
            "Address: tamsendor.exe+0x1a2b\r\n"
            "Doing: resolution 1 of 2, run 2 of 3\r\n"
            "\r\n"
            "Stack (innermost first):\r\n"
            "  tamsendor.exe+0x1a2b\r\n"
            "  user32.dll+0x99\r\n"
            "  ?+0x7\r\n"
            "\r\n"
            "Last steps (oldest first):\r\n"
            "       1.500 s  launch hl2.exe -width 1280\r\n"
            "      61.234 s  game ended\r\n");
}

TEST(CrashReportTest, SaysWhatIsNotKnown) {
  CrashReport report;
  report.facts.what = "std::terminate";
  report.activity = "idle";
  const std::string text = ComposeCrashReport(report);
  EXPECT_NE(text.find("System: unknown\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Address:"), std::string::npos);
  EXPECT_NE(text.find("Stack (innermost first):\r\n  (not known)\r\n"), std::string::npos);
  EXPECT_NE(text.find("Last steps (oldest first):\r\n  (none)\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tamsendor::crash

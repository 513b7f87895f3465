#include "report/report_lines.h"

#include <gtest/gtest.h>

namespace tamsendor::report {
namespace {

TEST(ReportLinesTest, MemoryWordingFollowsTheDigitCount) {
  struct Case {
    std::uint64_t bytes;
    const char* separator;
    const char* line;
  };
  const Case cases[] = {
      {805306368, ".", "   <FONT size=2><b>System memory:</b> 768.00 MB </FONT><br>"},
      {536870912, ".", "   <FONT size=2><b>System memory:</b> 512.00 MB </FONT><br>"},
      {999999999, ".", "   <FONT size=2><b>System memory:</b> 953.67 MB </FONT><br>"},
      {1000000000, ".", "   <FONT size=2><b>System memory:</b> 0.9 GB </FONT><br>"},
      {2147483648, ".", "   <FONT size=2><b>System memory:</b> 2.0 GB </FONT><br>"},
      {2147483648, ",", "   <FONT size=2><b>System memory:</b> 2,0 GB </FONT><br>"},
      {805306368, ",", "   <FONT size=2><b>System memory:</b> 768,00 MB </FONT><br>"},
      {9999999999, ".", "   <FONT size=2><b>System memory:</b> 9.3 GB </FONT><br>"},
      {10000000000, ".", "   <FONT size=2><b>System memory:</b> 9GB</FONT><br>"},
      {34359738368, ".", "   <FONT size=2><b>System memory:</b> 32GB</FONT><br>"},
      {10000000, ".", "   <FONT size=2><b>System memory:</b> 9.54 MB </FONT><br>"},
      {9999999, ".", ""},
      {0, ".", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MemoryLine(c.bytes, c.separator), c.line) << c.bytes << " " << c.separator;
}

TEST(ReportLinesTest, ResolutionHeadings) {
  struct Case {
    const char* tag;
    const char* width;
    const char* height;
    const char* heading;
  };
  const Case cases[] = {
      {"640", "", "",
       "<BR><B><FONT size=5>Resolution: 640\xD7"
       "480</FONT></B><BR>"},
      {"1280", "", "",
       "<BR><B><FONT size=5>Resolution: 1280\xD7"
       "1024</FONT></B><BR>"},
      {"2048", "", "",
       "<BR><B><FONT size=5>Resolution: 2048\xD7"
       "1536</FONT></B><BR>"},
      {"hdtv1", "", "",
       "<BR><B><FONT size=5>Resolution: 1280\xD7"
       "768 (HD WideScreen)</FONT></B><BR>"},
      {"hdtv3", "", "",
       "<BR><B><FONT size=5>Resolution: 1920\xD7"
       "1200 (HD WideScreen)</FONT></B><BR>"},
      {"custom", "1440", "900",
       "<BR><B><FONT size=5>Resolution: 1440 \xD7 900 (Custom)</FONT></B><BR>"},
      {"custom", "<1440>", "",
       "<BR><B><FONT size=5>Resolution: &lt;1440&gt; \xD7  (Custom)</FONT></B><BR>"},
  };
  for (const Case& c : cases) {
    ReportLines lines;
    AppendResolutionBlock(lines, c.tag, c.width, c.height, {});
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], c.heading) << c.tag;
  }
}

TEST(ReportLinesTest, EveryLineEndsWithCrLf) {
  EXPECT_EQ(ReportBytes({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(ReportBytes({}), "");
}

}  // namespace
}  // namespace tamsendor::report

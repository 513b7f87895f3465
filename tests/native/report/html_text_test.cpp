#include "report/html_text.h"

#include <gtest/gtest.h>

namespace tamsendor::report {
namespace {

TEST(HtmlTextTest, EscapesMarkupAndWritesIso88591) {
  struct Case {
    const char* utf8;
    const char* page;
  };
  const Case cases[] = {
      {"Radeon X1950 Pro", "Radeon X1950 Pro"},
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"AT&T \"fast\" rig", "AT&amp;T &quot;fast&quot; rig"},
      {"1024 \xC3\x97 768", "1024 \xD7 768"},  // × is one byte
      {"Gr\xC3\xA4"
       "fikkarte",
       "Gr\xE4"
       "fikkarte"},                         // ä
      {"\xE2\x82\xAC 300", "&#8364; 300"},  // € is not in ISO-8859-1
      {"\xE6\x97\xA5\xE6\x9C\xAC", "&#26085;&#26412;"},
      {"\xF0\x9F\x98\x80", "&#128512;"},
      {"bad \xFF byte", "bad &#65533; byte"},
      {"cut \xE2\x82", "cut &#65533;&#65533;"},
      {"overlong \xC0\xAF", "overlong &#65533;&#65533;"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HtmlLatin1(c.utf8), c.page) << c.utf8;
}

}  // namespace
}  // namespace tamsendor::report

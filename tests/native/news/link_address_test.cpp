#include "news/link_address.h"

#include <gtest/gtest.h>

namespace tamsendor::news {
namespace {

TEST(LinkAddressTest, ReadsEachLinkAgainstThePageAsABrowserDoes) {
  const struct {
    const char* href;
    const char* page;
    const char* address;
  } cases[] = {
      {"https://a.example/x", "https://p.example/n/news.html", "https://a.example/x"},
      {"HTTP://a.example/", "https://p.example/", "HTTP://a.example/"},
      {"//cdn.example/a", "https://p.example/n/", "https://cdn.example/a"},
      {"/root?x", "https://p.example/n/news.html?q#f", "https://p.example/root?x"},
      {"?page=2", "https://p.example/n/news.html?q#f", "https://p.example/n/news.html?page=2"},
      {"b.html", "https://p.example/n/news.html", "https://p.example/n/b.html"},
      {"b.html", "https://p.example", "https://p.example/b.html"},
      {"a b.html", "https://p.example/", "https://p.example/a%20b.html"},
      {"#frag", "https://p.example/", ""},
      {"", "https://p.example/", ""},
      {"javascript:alert(1)", "https://p.example/", ""},
      {"JaVaScRiPt:alert(1)", "https://p.example/", ""},
      {"java\tscript:alert(1)", "https://p.example/", ""},
      {"vbscript:x", "https://p.example/", ""},
      {"data:text/html,<script>", "https://p.example/", ""},
      {"file:///C:/Windows/", "https://p.example/", ""},
      {"\\\\server\\share", "https://p.example/", "https://p.example/\\\\server\\share"},
      {"http:relative", "https://p.example/", ""},
      {"https://", "https://p.example/", ""},
      {"relative.html", "file:///C:/news.html", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveLink(c.href, c.page), c.address) << c.href << " on " << c.page;
}

TEST(LinkAddressTest, OnlyWebAddressesWithAHostAndNoBlanksAreOpened) {
  EXPECT_TRUE(IsWebAddress("http://a.example"));
  EXPECT_TRUE(IsWebAddress("https://a.example/x?y#z"));
  EXPECT_FALSE(IsWebAddress("https:///path"));
  EXPECT_FALSE(IsWebAddress("https://a.example/ x"));
  EXPECT_FALSE(IsWebAddress("https://a.example/\nx"));
  EXPECT_FALSE(IsWebAddress("ftp://a.example/"));
  EXPECT_FALSE(IsWebAddress("C:\\Windows\\notepad.exe"));
}

}  // namespace
}  // namespace tamsendor::news

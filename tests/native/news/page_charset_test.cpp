#include "news/page_charset.h"

#include <gtest/gtest.h>

#include <string>

namespace tamsendor::news {
namespace {

TEST(PageCharsetTest, ReadsThePageInTheEncodingItIsServedOrDeclaredIn) {
  const struct {
    const char* what;
    std::string bytes;
    const char* contentType;
    std::string text;
  } cases[] = {
      {"UTF-8 by default", "\xC3\xA9t\xC3\xA9", "text/html", "\xC3\xA9t\xC3\xA9"},
      {"Latin-1 served", "\xE9t\xE9 \x80", "text/html; charset=ISO-8859-1",
       "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"},
      {"quoted charset served", "\x93q\x94", "text/html; charset=\"windows-1252\"",
       "\xE2\x80\x9Cq\xE2\x80\x9D"},
      {"meta charset", "<meta charset=\"windows-1252\">\xE9", "text/html",
       "<meta charset=\"windows-1252\">\xC3\xA9"},
      {"meta http-equiv",
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\xE9",
       "text/html",
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\xC3\xA9"},
      {"served charset beats meta", "<meta charset=windows-1252>\xC3\xA9",
       "text/html;charset=utf-8", "<meta charset=windows-1252>\xC3\xA9"},
      {"byte order mark beats both", "\xEF\xBB\xBF\xC3\xA9", "text/html; charset=iso-8859-1",
       "\xC3\xA9"},
      {"UTF-16 with its mark", std::string("\xFF\xFE\xE9\x00<\x00", 6), "text/html", "\xC3\xA9<"},
      // An encoded surrogate is three bad bytes, as browsers read it.
      {"broken UTF-8 bytes are replaced", "a\xC3(\xE2\x82 \xC0\xAF\xED\xA0\x80z", "text/html",
       "a\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD"
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz"},
      {"an unknown label reads as UTF-8", "\xC3\xA9", "text/html; charset=klingon", "\xC3\xA9"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PageToUtf8(c.bytes, c.contentType), c.text) << c.what;
}

TEST(PageCharsetTest, OnlyHtmlTypesAreShown) {
  EXPECT_TRUE(IsHtmlType("text/html"));
  EXPECT_TRUE(IsHtmlType(" Text/HTML ; charset=utf-8"));
  EXPECT_TRUE(IsHtmlType("application/xhtml+xml"));
  EXPECT_FALSE(IsHtmlType("text/plain"));
  EXPECT_FALSE(IsHtmlType("application/octet-stream"));
  EXPECT_FALSE(IsHtmlType(""));
  EXPECT_FALSE(IsHtmlType("text/html5"));
}

}  // namespace
}  // namespace tamsendor::news

#include "news/html_to_rich_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tamsendor::news {
namespace {

constexpr std::string_view kPage = "https://www.example.com/benchmarks/news.html";

// A run written so that a table reads: plain text as it is; styled text in braces with its style
// first: {b:...} bold, {i:...} italic, {h1:...} a heading, {->address:...} a link.
std::string Describe(const ui::RichText& text) {
  std::string out;
  for (const auto& run : text.runs) {
    std::string style;
    if (run.heading > 0)
      style = "h" + std::to_string(run.heading);
    else if (run.bold)
      style += "b";
    if (run.italic)
      style += "i";
    if (!run.link.empty())
      style += "->" + run.link;
    out += style.empty() ? run.text : "{" + style + ":" + run.text + "}";
  }
  return out;
}

struct Case {
  const char* what;
  std::string html;
  std::string shown;
};

TEST(HtmlToRichTextTest, ShowsTheSafeSubsetOfEachPage) {
  const Case cases[] = {
      {"paragraphs, an empty line between them", "<p>One</p>\n<p>Two  words</p>",
       "One\n\nTwo words"},
      {"blanks collapse, none at either end", "  <p>\n  Some\t\ttext \n here </p>  ",
       "Some text here"},
      {"line breaks stay, however many", "a<br>b<br/><br>c", "a\nb\n\nc"},
      {"headings are bold and sized; h4 and below as h3",
       "<h1>Top</h1><h2>Sub</h2><h5>Small</h5>text", "{h1:Top}\n\n{h2:Sub}\n\n{h3:Small}\n\ntext"},
      {"nested bold and italic", "<p>a <b>bold <i>both</i></b> <em>it</em></p>",
       "a {b:bold }{bi:both} {i:it}"},
      {"lists: bullets, numbers, nesting",
       "<ul><li>one<li>two<ol><li>x</li><li>y</li></ol></li></ul>after",
       "\xE2\x80\xA2 one\n\xE2\x80\xA2 two\n    1. x\n    2. y\n\nafter"},
      {"entities, named and numeric; unknown ones as written",
       "Fish &amp; chips &lt;3 &#8364;5 &#x1F600; &eacute; &bogus; &amp",
       "Fish & chips <3 \xE2\x82\xAC"
       "5 \xF0\x9F\x98\x80 "
       "\xC3\xA9 &bogus; &amp"},
      {"a reference to no character becomes U+FFFD", "a&#0;b&#xD800;c&#1114112;d",
       "a\xEF\xBF\xBD"
       "b\xEF\xBF\xBD"
       "c\xEF\xBF\xBD"
       "d"},
      {"scripts, styles and the title are dropped with their content",
       "<html><head><title>T</title><style>p{color:red}</style></head><body>"
       "<script>document.write('<p>x</p>')</script>Shown<SCRIPT type=x>alert(1)</script ></body>",
       "Shown"},
      {"images, drawings and templates are dropped",
       "a<img src=x.png alt=pic>b<svg><text>s</text>"
       "<svg></svg>in</svg>c<template>t</template>",
       "abc"},
      {"unknown elements keep their text", "<span class=x>in</span><blink>side</blink>", "inside"},
      {"comments and declarations vanish", "<!DOCTYPE html><!-- <b>not</b> -->a<?xml x?>b", "ab"},
      {"unclosed tags end with the page", "<p><b>bold <i>and italic", "{b:bold }{bi:and italic}"},
      {"a stray end tag does nothing", "</b>plain</i> text</a>", "plain text"},
      {"a lone < is text", "1 < 2 and a <3", "1 < 2 and a <3"},
      {"a page cut inside a tag loses only that tag", "<p>kept</p><a href=\"http://x", "kept"},
      {"a page cut inside a script shows nothing of it", "a<script>b", "a"},
      {"control characters are dropped",
       "a\x01"
       "b\x7F"
       "c\xC2\x85"
       "d",
       "abcd"},
      {"preformatted text keeps its lines and blanks", "<pre>a  b\nc</pre>", "a  b\nc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Describe(HtmlToRichText(c.html, kPage)), c.shown) << c.what;
}

TEST(HtmlToRichTextTest, LinksLeadOnlyToWebAddresses) {
  const Case cases[] = {
      {"absolute", "<a href=\"https://a.example/x\">A</a>", "{->https://a.example/x:A}"},
      {"relative to the page's folder", "<a href='more.html'>M</a>",
       "{->https://www.example.com/benchmarks/more.html:M}"},
      {"from the host's root", "<a href=/downloads/>D</a>",
       "{->https://www.example.com/downloads/:D}"},
      {"entity in the address", "<a href=\"https://a.example/?a=1&amp;b=2\">Q</a>",
       "{->https://a.example/?a=1&b=2:Q}"},
      {"javascript: is text only", "<a href=\"javascript:alert(1)\">J</a>", "J"},
      {"javascript: hidden by blanks and a line break", "<a href=\" java\nscript:alert(1)\">J</a>",
       "J"},
      {"file: and mailto: are text only",
       "<a href=\"file:///C:/Windows\">F</a> <a href=mailto:x@y>M</a>", "F M"},
      {"a link within the page is text only", "<a href=#top>T</a>", "T"},
      {"a link starts at its first word and ends with its element",
       "see <a href=https://a.example/> <b>this</b> page</a>, now",
       "see {b->https://a.example/:this}{->https://a.example/: page}, now"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Describe(HtmlToRichText(c.html, kPage)), c.shown) << c.what;
}

TEST(HtmlToRichTextTest, AHugePageIsCutAtTheLimit) {
  std::string html = "<p>start</p>";
  while (html.size() < 3 * kPageLimit)
    html += "<p>\xC3\xA9t\xC3\xA9 <b>word</b></p>\n";
  const ui::RichText text = HtmlToRichText(html, kPage);
  std::size_t shown = 0;
  for (const auto& run : text.runs)
    shown += run.text.size();
  EXPECT_GT(shown, kPageLimit / 4);
  EXPECT_LT(shown, kPageLimit);
  EXPECT_EQ(text.runs.front().text.substr(0, 7), "start\n\n");
  // The cut leaves no half of a character behind.
  const std::string& last = text.runs.back().text;
  EXPECT_NE(static_cast<unsigned char>(last.back()) & 0xC0, 0xC0) << last;
}

// Pages well under the page limit whose text would grow with the square of their size, found by
// fuzzing: each stays within the text limit, and reads as it should up to there.
TEST(HtmlToRichTextTest, NoPageMakesTextBeyondItsLimit) {
  const auto size = [](const ui::RichText& text) {
    std::size_t bytes = 0;
    for (const auto& run : text.runs)
      bytes += run.text.size() + run.link.size();
    return bytes;
  };
  std::string lists;
  for (int i = 0; i < 23500; ++i)
    lists += "<ul>";
  for (int i = 0; i < 23500; ++i)
    lists += "<li>x";
  const ui::RichText nested = HtmlToRichText(lists, kPage);
  EXPECT_LE(size(nested), kTextLimit);
  // The indent stops growing at a depth no real page reaches.
  EXPECT_EQ(nested.runs.front().text.substr(0, 65), std::string(60, ' ') + "\xE2\x80\xA2 x");
  EXPECT_EQ(nested.runs.front().text.find(std::string(61, ' ')), std::string::npos);

  std::string link = "<a href=https://x.example/" + std::string(100000, 'a') + ">";
  for (int i = 0; i < 20000; ++i)
    link += "x<b>y</b>";
  const ui::RichText links = HtmlToRichText(link, kPage);
  EXPECT_LE(size(links), kTextLimit);
  EXPECT_EQ(links.runs.front().text, "x");

  // A page of '&' without ';' reads as the text it is.
  const ui::RichText ampersands = HtmlToRichText(std::string(400000, '&'), kPage);
  ASSERT_EQ(ampersands.runs.size(), 1u);
  EXPECT_EQ(ampersands.runs[0].text, std::string(400000, '&'));
}

}  // namespace
}  // namespace tamsendor::news

// The news page as it arrives: its bytes read into UTF-8 in the encoding the page names, then its
// HTML into formatted text that is safe to show. The text is UTF-8 without control characters,
// every link leads to a web address, a byte order mark beats the served charset, and what the page
// hides in scripts, styles and embedded things adds nothing to the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/path_text.h"
#include "core/maker.h"
#include "fuzz/fuzz_check.h"
#include "news/html_to_rich_text.h"
#include "news/link_address.h"
#include "news/page_charset.h"
#include "text/utf8.h"

using namespace tamsendor;

namespace {

// What servers send; the fuzzer's own bytes are the last choice.
constexpr std::array<std::string_view, 12> kContentTypes{
    "text/html",
    "text/html; charset=utf-8",
    "text/html; charset=ISO-8859-1",
    "text/html;charset=\"windows-1252\"",
    "text/html; charset=us-ascii",
    "text/html; charset=utf-16",
    "text/html; charset=UTF-16BE",
    "text/html; charset=utf-16le",
    "application/xhtml+xml; charset=utf-8",
    "text/html; charset=klingon",
    "text/html; charset=",
    "",
};

constexpr std::array<std::string_view, 6> kPageAddresses{
    core::kNewsPage,     "http://news.example/", "https://p.example/n/news.html?q#f",
    "https://p.example", "file:///C:/news.html", "",
};

struct ByteOrderMark {
  std::string_view bytes;
  std::string_view sameAsServed;
};
constexpr std::array<ByteOrderMark, 3> kMarks{{
    {"\xEF\xBB\xBF", "text/html; charset=utf-8"},
    {"\xFF\xFE", "text/html; charset=utf-16le"},
    {"\xFE\xFF", "text/html; charset=utf-16be"},
}};

// Elements whose content is no text. Raw text ends only at its own end tag; the others' content
// is HTML, which a cut-off tag could run past their end.
struct HiddenElement {
  std::string_view open;
  std::string_view close;
  bool rawText;
};
constexpr std::array<HiddenElement, 10> kHiddenElements{{
    {"<script>", "</script>", true},
    {"<SCRIPT type=\"text/javascript\">", "</script >", true},
    {"<style media=screen>", "</STYLE>", true},
    {"<title>", "</title>", true},
    {"<textarea name=t>", "</textarea>", true},
    {"<iframe src='https://ads.example/'>", "</iframe>", true},
    {"<svg viewBox=\"0 0 1 1\">", "</svg>", false},
    {"<template>", "</template>", false},
    {"<object data=x.swf>", "</object>", false},
    {"<select name=s>", "</select>", false},
}};

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& values, std::uint8_t choice) {
  return values[choice % N];
}

bool StartsWithMark(std::string_view bytes) {
  for (const ByteOrderMark& mark : kMarks)
    if (bytes.starts_with(mark.bytes))
      return true;
  return false;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// C0 controls but the line break, DEL, and the C1 controls (U+0080 to U+009F).
bool HasControlCharacter(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F)
      return true;
    if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
      return true;
  }
  return false;
}

// Checked apart from IsWebAddress, which the reader itself relies on.
bool LooksLikeWebAddress(std::string_view address) {
  const std::string lowered = tamsendor::platform::FoldCase(address.substr(0, 8));
  if (!lowered.starts_with("http://") && !lowered.starts_with("https://"))
    return false;
  for (const char c : address)
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
      return false;
  return true;
}

void CheckCharset(std::string_view bytes, std::string_view contentType, std::uint8_t markChoice) {
  const std::string text = news::PageToUtf8(bytes, contentType);
  FUZZ_CHECK(text::IsValidUtf8(text), "the page's text is UTF-8 whatever its bytes");
  if (StartsWithMark(bytes))
    return;

  const ByteOrderMark& mark = kMarks[markChoice % kMarks.size()];
  FUZZ_CHECK(news::PageToUtf8(std::string(mark.bytes) + std::string(bytes), contentType) ==
                 news::PageToUtf8(bytes, mark.sameAsServed),
             "a byte order mark beats the served charset");

  if (text::IsValidUtf8(bytes))
    FUZZ_CHECK(news::PageToUtf8(bytes, "text/html; charset=utf-8") == bytes,
               "valid UTF-8 is read as it is");
  FUZZ_CHECK(
      CharacterCount(news::PageToUtf8(bytes, "text/html; charset=iso-8859-1")) == bytes.size(),
      "Latin-1 reads as Windows-1252, one character per byte");
}

void CheckText(const ui::RichText& text) {
  for (const ui::TextRun& run : text.runs) {
    FUZZ_CHECK(text::IsValidUtf8(run.text), "the text is UTF-8");
    FUZZ_CHECK(!HasControlCharacter(run.text), "no control character reaches the text");
    FUZZ_CHECK(run.heading >= 0 && run.heading <= 3, "headings have three sizes");
    if (!run.link.empty()) {
      FUZZ_CHECK(news::IsWebAddress(run.link), "a link leads to a web address");
      FUZZ_CHECK(LooksLikeWebAddress(run.link), "a link is http or https without blanks");
    }
  }
  if (!text.runs.empty()) {
    const std::string& last = text.runs.back().text;
    FUZZ_CHECK(!last.empty() && last.back() != ' ' && last.back() != '\n',
               "no blank ends the text");
  }
}

// What the element holds, made unable to end it early: raw text loses its end tags, other
// content its tags.
std::string HiddenContent(std::string_view content, bool rawText) {
  std::string made;
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] == '<' && !rawText)
      made += "&lt;";
    else if (content[i] == '<' && i + 1 < content.size() && content[i + 1] == '/')
      made += "< ";
    else
      made += content[i];
  }
  return made;
}

// An element that hides its content, at the start of the page, adds nothing to the text.
void CheckHiddenElement(std::string_view html, std::string_view pageAddress,
                        std::uint16_t splitChoice, std::uint8_t elementChoice) {
  std::size_t split = html.empty() ? 0 : splitChoice % (html.size() + 1);
  while (split < html.size() && (static_cast<unsigned char>(html[split]) & 0xC0) == 0x80)
    ++split;
  const HiddenElement& element = kHiddenElements[elementChoice % kHiddenElements.size()];
  const std::string_view rest = html.substr(split);
  const std::string page = std::string(element.open) +
                           HiddenContent(html.substr(0, split), element.rawText) +
                           std::string(element.close) + std::string(rest);
  FUZZ_CHECK(news::HtmlToRichText(page, pageAddress) == news::HtmlToRichText(rest, pageAddress),
             "what scripts, styles and embedded things hold is not shown");
}

// Browsers drop tabs and line breaks anywhere in an href, and blanks and controls before it.
std::string AsBrowserReadsIt(std::string_view href) {
  std::string cleaned;
  for (const char c : href) {
    if (c == '\t' || c == '\n' || c == '\r')
      continue;
    if (cleaned.empty() && static_cast<unsigned char>(c) <= 0x20)
      continue;
    cleaned += c;
  }
  return tamsendor::platform::FoldCase(cleaned);
}

void CheckLink(std::string_view href, std::string_view pageAddress) {
  const std::string address = news::ResolveLink(href, pageAddress);
  const std::string read = AsBrowserReadsIt(href);
  for (const std::string_view elsewhere :
       {"javascript:", "vbscript:", "data:", "file:", "mailto:", "about:", "#"})
    if (read.starts_with(elsewhere))
      FUZZ_CHECK(address.empty(), "script, file, mail and in-page links lead nowhere");
  if (address.empty())
    return;
  FUZZ_CHECK(news::IsWebAddress(address), "a resolved link is a web address");
  FUZZ_CHECK(LooksLikeWebAddress(address), "a resolved link is http or https without blanks");
  FUZZ_CHECK(news::ResolveLink(address, pageAddress) == address,
             "a web address reads as itself on any page");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // The choices come from the input's end, so that a plain HTML file is a seed as it is.
  const auto typeChoice = input.ConsumeIntegral<std::uint8_t>();
  const auto addressChoice = input.ConsumeIntegral<std::uint8_t>();
  const auto markChoice = input.ConsumeIntegral<std::uint8_t>();
  const auto elementChoice = input.ConsumeIntegral<std::uint8_t>();
  const auto splitChoice = input.ConsumeIntegral<std::uint16_t>();
  const std::string contentType = typeChoice < 240 ? std::string(Pick(kContentTypes, typeChoice))
                                                   : input.ConsumeRandomLengthString(96);
  const std::string pageAddress = addressChoice < 240
                                      ? std::string(Pick(kPageAddresses, addressChoice))
                                      : input.ConsumeRandomLengthString(128);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  CheckCharset(bytes, contentType, markChoice);
  const std::string html = news::PageToUtf8(bytes, contentType);
  CheckText(news::HtmlToRichText(html, pageAddress));
  CheckHiddenElement(html, pageAddress, splitChoice, elementChoice);
  CheckLink(std::string_view(html).substr(0, html.find('\n')), pageAddress);
  return 0;
}

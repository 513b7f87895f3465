#include "news/page_charset.h"

#include <array>
#include <cstdint>

#include "platform/path_text.h"
#include "text/utf8.h"

namespace tamsendor::news {

namespace {

constexpr char32_t kReplacement = text::kReplacementCharacter;
using text::AppendUtf8;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n\"'");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r\n\"'");
  return text.substr(first, last - first + 1);
}

// The value of "charset=" in a Content-Type or a <meta> content, up to its end.
std::string CharsetParameter(std::string_view text) {
  const std::string lowered = platform::FoldCase(text);
  const auto at = lowered.find("charset=");
  if (at == std::string::npos)
    return {};
  std::string_view value = std::string_view(lowered).substr(at + 8);
  value = value.substr(0, value.find_first_of(";>/ \t\r\n\"'", value.find_first_not_of("\"' ")));
  return std::string(Trimmed(value));
}

// A <meta charset> or <meta http-equiv content="...; charset=..."> in the page's first kilobyte.
std::string DeclaredCharset(std::string_view bytes) {
  const std::string head = platform::FoldCase(bytes.substr(0, 1024));
  for (auto meta = head.find("<meta"); meta != std::string::npos;
       meta = head.find("<meta", meta + 5)) {
    const auto end = head.find('>', meta);
    const std::string charset = CharsetParameter(
        std::string_view(head).substr(meta, end == std::string::npos ? end : end - meta));
    if (!charset.empty())
      return charset;
  }
  return {};
}

enum class Encoding { Utf8, Windows1252, Utf16Le, Utf16Be };

Encoding FromLabel(const std::string& label) {
  static constexpr std::array<std::string_view, 10> kWindows1252{
      "windows-1252", "cp1252", "iso-8859-1", "iso8859-1", "latin1",
      "l1",           "ascii",  "us-ascii",   "x-cp1252",  "iso_8859-1"};
  for (std::string_view name : kWindows1252)
    if (label == name)
      return Encoding::Windows1252;
  if (label == "utf-16be")
    return Encoding::Utf16Be;
  if (label == "utf-16" || label == "utf-16le")
    return Encoding::Utf16Le;
  return Encoding::Utf8;
}

// Windows-1252's bytes 0x80 to 0x9F; the rest of the code page is Latin-1. Undefined bytes read
// as the C1 control of the same value, which the page text drops.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte >= 0x80 && byte < 0xA0)
      AppendUtf8(out, kWindows1252High[byte - 0x80]);
    else
      AppendUtf8(out, byte);
  }
  return out;
}

// Valid UTF-8 is copied; each byte of a broken or overlong sequence becomes U+FFFD.
std::string FromUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();)
    AppendUtf8(out, text::NextCharacter(bytes, at));
  return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  char32_t high = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<std::uint8_t>(bytes[i]);
    const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
    const char32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (high != 0)
        AppendUtf8(out, kReplacement);
      high = unit;
      continue;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      AppendUtf8(out,
                 high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : kReplacement);
      high = 0;
      continue;
    }
    if (high != 0)
      AppendUtf8(out, kReplacement);
    high = 0;
    AppendUtf8(out, unit);
  }
  if (high != 0)
    AppendUtf8(out, kReplacement);
  return out;
}

}  // namespace

bool IsHtmlType(std::string_view contentType) {
  const std::string type =
      platform::FoldCase(Trimmed(contentType.substr(0, contentType.find(';'))));
  return type == "text/html" || type == "application/xhtml+xml";
}

std::string PageToUtf8(std::string_view bytes, std::string_view contentType) {
  if (bytes.starts_with("\xEF\xBB\xBF"))
    return FromUtf8(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE"))
    return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF"))
    return FromUtf16(bytes.substr(2), true);
  const std::string served = CharsetParameter(contentType);
  Encoding encoding = FromLabel(served.empty() ? DeclaredCharset(bytes) : served);
  // A page that declares UTF-16 in its own text has ASCII before the declaration, so it is no
  // UTF-16 at all; browsers read it as UTF-8 too.
  if (served.empty() && encoding != Encoding::Windows1252)
    encoding = Encoding::Utf8;
  switch (encoding) {
    case Encoding::Windows1252:
      return FromWindows1252(bytes);
    case Encoding::Utf16Le:
      return FromUtf16(bytes, false);
    case Encoding::Utf16Be:
      return FromUtf16(bytes, true);
    case Encoding::Utf8:
      break;
  }
  return FromUtf8(bytes);
}

}  // namespace tamsendor::news

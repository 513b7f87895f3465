#include "report/html_text.h"

#include <cstdint>

namespace tamsendor::report {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at `at` and moves past it; an invalid sequence yields U+FFFD and skips
// one byte.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    ++at;
    return kReplacement;
  }
  if (at + length > text.size()) {
    ++at;
    return kReplacement;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode's range are not characters.
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
    ++at;
    return kReplacement;
  }
  at += length;
  return c;
}

}  // namespace

std::string HtmlLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = NextCharacter(utf8, at);
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (c <= 0xFF)
          out += static_cast<char>(c);
        else
          out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    }
  }
  return out;
}

}  // namespace tamsendor::report

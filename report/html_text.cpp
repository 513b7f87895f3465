#include "report/html_text.h"

#include <cstdint>

#include "text/utf8.h"

namespace tamsendor::report {

std::string HtmlLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = text::NextCharacter(utf8, at);
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

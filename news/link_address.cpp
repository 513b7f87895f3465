#include "news/link_address.h"

#include "platform/path_text.h"

namespace tamsendor::news {

namespace {

bool IsAsciiAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The scheme of an absolute address ("http", "javascript"), lowered; empty for a relative one.
std::string SchemeOf(std::string_view address) {
  const auto colon = address.find(':');
  if (colon == std::string_view::npos || colon == 0 || !IsAsciiAlpha(address[0]))
    return {};
  for (char c : address.substr(0, colon))
    if (!IsAsciiAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
      return {};
  return platform::FoldCase(address.substr(0, colon));
}

// What a browser makes of an href before reading it: blanks at either end go, and tabs and line
// breaks within go too ("java\nscript:" is "javascript:"); blanks within are escaped.
std::string Cleaned(std::string_view href) {
  const auto first = href.find_first_not_of(" \t\r\n\f");
  if (first == std::string_view::npos)
    return {};
  href = href.substr(first, href.find_last_not_of(" \t\r\n\f") - first + 1);
  std::string cleaned;
  for (char c : href) {
    if (c == '\t' || c == '\r' || c == '\n')
      continue;
    if (c == ' ')
      cleaned += "%20";
    else
      cleaned += c;
  }
  return cleaned;
}

// "https://host" of an address, and the address without its query and fragment.
std::string_view Origin(std::string_view address) {
  const auto host = address.find("//");
  if (host == std::string_view::npos)
    return address;
  return address.substr(0, address.find_first_of("/?#", host + 2));
}

std::string_view WithoutQuery(std::string_view address) {
  return address.substr(0, address.find_first_of("?#"));
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  const std::string scheme = SchemeOf(address);
  if (scheme != "http" && scheme != "https")
    return false;
  const std::string_view rest = address.substr(scheme.size() + 1);
  if (!rest.starts_with("//") || rest.size() == 2 || rest.find_first_of("/?#", 2) == 2)
    return false;
  for (char c : address)
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
      return false;
  return true;
}

std::string ResolveLink(std::string_view href, std::string_view pageAddress) {
  const std::string link = Cleaned(href);
  if (link.empty() || link.front() == '#')
    return {};
  std::string resolved;
  if (!SchemeOf(link).empty()) {
    resolved = link;
  } else if (!IsWebAddress(pageAddress)) {
    return {};
  } else if (link.starts_with("//")) {
    resolved = SchemeOf(pageAddress) + ":" + link;
  } else if (link.front() == '/') {
    resolved = std::string(Origin(pageAddress)) + link;
  } else if (link.front() == '?') {
    resolved = std::string(WithoutQuery(pageAddress)) + link;
  } else {
    const std::string_view page = WithoutQuery(pageAddress);
    const std::string_view origin = Origin(page);
    const auto slash = page.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos || slash < origin.size() ? origin : page.substr(0, slash);
    resolved = std::string(folder) + "/" + link;
  }
  return IsWebAddress(resolved) ? resolved : std::string();
}

}  // namespace tamsendor::news

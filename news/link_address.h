#pragma once

#include <string>
#include <string_view>

namespace tamsendor::news {

// Whether an address is one a click may hand to the browser: http or https with a host, and no
// blanks or control characters.
bool IsWebAddress(std::string_view address);

// The address a link of a page points to, read against the page's own address as a browser
// reads it; empty unless the result is a web address (so javascript:, file:, mailto: and links
// within the page lead nowhere).
std::string ResolveLink(std::string_view href, std::string_view pageAddress);

}  // namespace tamsendor::news

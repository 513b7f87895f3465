#pragma once

#include <string>
#include <string_view>

namespace tamsendor::news {

// Whether a Content-Type names an HTML page.
bool IsHtmlType(std::string_view contentType);

// A page's bytes as UTF-8 text. The encoding comes from a byte order mark, else the Content-Type's
// charset, else a <meta> declaration near the top, else UTF-8. Latin-1 and ASCII labels read as
// Windows-1252, as browsers read them; labels we do not know read as UTF-8. Bytes that are not
// valid in the encoding become U+FFFD.
std::string PageToUtf8(std::string_view bytes, std::string_view contentType);

}  // namespace tamsendor::news

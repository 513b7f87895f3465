#pragma once

#include <string>
#include <string_view>

namespace tamsendor::report {

// A value for the report page, which declares ISO-8859-1: `& < > "` become entities, so a note
// or a card name never turns into markup, characters that ISO-8859-1 has are single bytes, and
// every other character is a numeric character reference. `utf8` is the program's own text; a
// byte that is not valid UTF-8 becomes U+FFFD.
std::string HtmlLatin1(std::string_view utf8);

}  // namespace tamsendor::report

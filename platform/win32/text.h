#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tamsendor::win32 {

// The program keeps text as UTF-8 and speaks UTF-16 only to the wide Windows API.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Text in the system's ANSI code page (as older tools write their reports: CP1252, CP932...)
// as UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

// The system's own text for an error code, without the trailing line break
// ("The system cannot find the file specified.").
std::string SystemErrorText(std::uint32_t code);

}  // namespace tamsendor::win32

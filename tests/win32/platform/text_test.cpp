#include "platform/win32/text.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tamsendor::win32 {
namespace {

TEST(Win32TextTest, RoundTripsAnyCharacter) {
  const std::string utf8 =
      "C:\\Spiele\\\xC3\x9C"
      "ber \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAE";
  EXPECT_EQ(Narrow(Widen(utf8)), utf8);
  EXPECT_EQ(Widen("\xC3\x97"), std::wstring(L"\u00D7"));
}

// Reports of older tools come in the system's ANSI code page; the program keeps UTF-8.
TEST(Win32TextTest, AnsiTextBecomesUtf8InTheSystemsCodePage) {
  EXPECT_EQ(AnsiToUtf8(""), "");
  EXPECT_EQ(AnsiToUtf8("Radeon X1950"), "Radeon X1950");
  if (GetACP() != 1252)
    GTEST_SKIP() << "the test prefix's code page is " << GetACP() << ", not the Western 1252";
  EXPECT_EQ(AnsiToUtf8("H\xE6ndig \xD7"), "H\xC3\xA6ndig \xC3\x97");
}

TEST(Win32TextTest, SystemErrorTextHasNoLineBreak) {
  const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(text.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace tamsendor::win32

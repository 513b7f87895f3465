#include "platform/win32/win32_user_identity.h"

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include "gameconfig/user_sid.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {
namespace {

// Our text form of the running user's SID is the system's own.
TEST(Win32UserIdentityTest, TheUsersSidAsTheSystemWritesIt) {
  const std::string ours = gameconfig::ReadUserSid(Win32UserIdentity());
  ASSERT_EQ(ours.rfind("S-1-5-", 0), 0u) << ours;

  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::string buffer(size, '\0');
  ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), size, &size));
  CloseHandle(token);
  wchar_t* text = nullptr;
  ASSERT_TRUE(
      ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text));
  const std::string systems = Narrow(text);
  LocalFree(text);
  EXPECT_EQ(ours, systems);
}

}  // namespace
}  // namespace tamsendor::win32

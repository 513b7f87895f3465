#include "platform/win32/win32_online_check.h"

#include <gtest/gtest.h>

namespace tamsendor::win32 {
namespace {

TEST(Win32OnlineCheckTest, TheSystemsAnswerOrNoneWithoutTheLibraryOrItsFunction) {
  // Wine's url.dll always answers; Windows' answers as the machine is.
  EXPECT_TRUE(Win32OnlineCheck().IsOffline().has_value());
  EXPECT_FALSE(Win32OnlineCheck(L"no_such_library.dll").IsOffline().has_value());
  EXPECT_FALSE(Win32OnlineCheck(L"kernel32.dll").IsOffline().has_value());
}

}  // namespace
}  // namespace tamsendor::win32

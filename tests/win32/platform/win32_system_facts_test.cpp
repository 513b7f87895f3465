#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/display_mode_list.h"
#include "app/heap_size_advice.h"
#include "platform/path_text.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_host_facts.h"
#include "platform/win32/win32_program_image.h"
#include "platform/win32/win32_registry.h"

namespace tamsendor::win32 {
namespace {

TEST(Win32SystemFactsTest, MemoryIsTheWholeInstalledAmount) {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  const Win32Registry registry;
  const std::uint64_t total = Win32HostFacts(registry).TotalPhysicalMemory();
  EXPECT_EQ(total, status.ullTotalPhys);
  EXPECT_GT(total, 64ull * 1048576);
  // This machine's class as the heap-size advice sees it.
  const std::uint64_t megabytes = total / 1048576;
  if (megabytes >= 1500) {
    EXPECT_EQ(app::MemoryClassOf(total), 1500);
  }
}

TEST(Win32SystemFactsTest, TheProgramImageIsThisExecutable) {
  const std::string path = Win32ProgramImage().ExecutablePath();
  EXPECT_TRUE(platform::EqualsIgnoringCase(platform::FileNamePart(path), "win32_tests.exe"))
      << path;
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// Under Xvfb the display offers the screen's own size; headless Wine offers a made-up list.
TEST(Win32SystemFactsTest, TheDisplayOffersTheCurrentScreenSizeOnce) {
  const std::vector<std::string> list = app::BuildDisplayModeList(Win32DisplayModes());
  ASSERT_FALSE(list.empty());
  const std::string current = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                              std::to_string(GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(std::count(list.begin(), list.end(), current), 1) << current;
  EXPECT_TRUE(app::OfferedModes(list).Offers(current));
}

}  // namespace
}  // namespace tamsendor::win32

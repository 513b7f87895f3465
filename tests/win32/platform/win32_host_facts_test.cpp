#include "platform/win32/win32_host_facts.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "tests/win32/temp_folder.h"

namespace tamsendor::win32 {
namespace {

TEST(Win32HostFactsTest, TheMachineIsDescribed) {
  const Win32Registry registry;
  const Win32HostFacts host(registry);
  EXPECT_FALSE(host.OsProductName().empty());
  const std::string build = host.OsBuild();
  EXPECT_FALSE(build.empty());
  EXPECT_EQ(build.find_first_not_of("0123456789"), std::string::npos) << build;
  // Every machine this runs on has more than 256 MB; a 32-bit count would stop at 4 GB.
  EXPECT_GT(host.TotalPhysicalMemory(), 256u << 20);
  const std::string cpu = host.CpuName();
  EXPECT_FALSE(cpu.empty());
  EXPECT_LE(cpu.size(), 48u);
  EXPECT_EQ(cpu.find('\0'), std::string::npos);
  // Measured and normalised: within each hundred only the steps processors are sold at.
  const int mhz = host.CpuSpeedMhz();
  EXPECT_GT(mhz, 0);
  const std::set<int> steps{0, 20, 33, 50, 60, 66, 80, 90};
  EXPECT_TRUE(steps.contains(mhz % 100)) << mhz;
}

TEST(Win32LocaleTest, TheDecimalSeparatorIsOneCharacter) {
  const std::string separator = Win32LocaleClock().DecimalSeparator();
  ASSERT_EQ(separator.size(), 1u) << separator;
  EXPECT_TRUE(separator == "." || separator == ",") << separator;
}

TEST(Win32DocumentOpenerTest, AMissingDocumentFailsWithTheSystemsReason) {
  const testing::TempFolder temp("tamsendor-opener");
  Win32DocumentOpener opener;
  const platform::FileResult opened = opener.Open(temp / "no such report.htm");
  EXPECT_FALSE(opened);
  EXPECT_FALSE(opened.reason.empty());
}

}  // namespace
}  // namespace tamsendor::win32

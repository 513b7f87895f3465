#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_display_driver.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "sysinfo/adapter_probes.h"

namespace tamsendor::sysinfo {
namespace {

// Wine's display driver answers neither private escape and names no ATI adapter: both probes
// fail cleanly, and the report falls back to the DirectX diagnostic's section.
TEST(AdapterProbesUnderWineTest, NoAtiAdapterAndNoClockReadings) {
  win32::Win32DisplayDriver driver;
  const std::vector<platform::DisplayDeviceRecord> devices = driver.DisplayDevices();
  ASSERT_FALSE(devices.empty());
  EXPECT_EQ(devices[0].DeviceName, "\\\\.\\DISPLAY1");
  EXPECT_FALSE(devices[0].DeviceID.empty());
  EXPECT_EQ(driver.QueryDriverClock(0, platform::ClockPart::Core), 0u);

  const win32::Win32Registry registry;
  const win32::Win32LocaleClock locale;
  DriverAdapterProbes probes(driver, registry, locale);
  EXPECT_FALSE(probes.ProbeAtiAdapter().Valid) << devices[0].DeviceID;
  EXPECT_FALSE(probes.ProbeDisplayClassKey().Valid);
  EXPECT_TRUE(probes.ClockList().empty());
}

}  // namespace
}  // namespace tamsendor::sysinfo

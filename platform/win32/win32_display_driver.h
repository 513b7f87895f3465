#pragma once

#include "platform/display_driver.h"

namespace tamsendor::win32 {

class Win32DisplayDriver : public platform::DisplayDriver {
 public:
  std::optional<std::vector<std::uint8_t>> AtiEscape(const std::array<std::uint32_t, 4>& input,
                                                     std::size_t outputSize) override;
  std::uint32_t QueryDriverClock(std::uint32_t index, platform::ClockPart part) override;
  std::vector<platform::DisplayDeviceRecord> DisplayDevices() override;
};

}  // namespace tamsendor::win32

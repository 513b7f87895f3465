#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tamsendor::platform {

// One display device as the system lists it.
struct DisplayDeviceRecord {
  std::string DeviceName;    // "\\.\DISPLAY1"
  std::string DeviceString;  // its description
  std::string DeviceID;      // "PCI\VEN_1002&DEV_..."
};

enum class ClockPart { Core, Memory };

// The display driver's private escapes that the graphics probes send, and the display devices.
// The escapes are the drivers' own: most drivers refuse them, and then the probes find nothing.
class DisplayDriver {
 public:
  virtual ~DisplayDriver() = default;
  // ATI's escape 29446 on "\\.\DISPLAY1": the 16-byte input of four little-endian words, and an
  // output of `outputSize` bytes whose first word is its size and the rest zero. The output as
  // the driver left it; nullopt when no device context can be made or the escape does not
  // return 0.
  virtual std::optional<std::vector<std::uint8_t>> AtiEscape(
      const std::array<std::uint32_t, 4>& input, std::size_t outputSize) = 0;
  // Escape 28727 on "DISPLAY" for the reading `index` (0-5): the core or memory reading in Hz,
  // 0 when the driver does not give it.
  virtual std::uint32_t QueryDriverClock(std::uint32_t index, ClockPart part) = 0;
  // The display devices in the system's order, from index 0 until the listing fails.
  virtual std::vector<DisplayDeviceRecord> DisplayDevices() = 0;
};

}  // namespace tamsendor::platform

#include "platform/win32/win32_display_driver.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

constexpr int kAtiEscape = 29446;
constexpr int kClockEscape = 28727;

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t word) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

std::uint32_t WordAt(const std::uint8_t* bytes) {
  std::uint32_t word = 0;
  std::memcpy(&word, bytes, sizeof(word));
  return word;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Win32DisplayDriver::AtiEscape(
    const std::array<std::uint32_t, 4>& input, std::size_t outputSize) {
  const HDC dc = CreateDCW(L"\\\\.\\DISPLAY1", nullptr, nullptr, nullptr);
  if (dc == nullptr)
    return std::nullopt;
  std::vector<std::uint8_t> in(16);
  for (std::size_t i = 0; i < input.size(); ++i)
    PutWord(in, 4 * i, input[i]);
  std::vector<std::uint8_t> out(outputSize < 4 ? 4 : outputSize);
  PutWord(out, 0, static_cast<std::uint32_t>(outputSize));
  const int result =
      ExtEscape(dc, kAtiEscape, static_cast<int>(in.size()), reinterpret_cast<LPCSTR>(in.data()),
                static_cast<int>(out.size()), reinterpret_cast<LPSTR>(out.data()));
  DeleteDC(dc);
  if (result != 0)
    return std::nullopt;
  return out;
}

std::uint32_t Win32DisplayDriver::QueryDriverClock(std::uint32_t index, platform::ClockPart part) {
  const HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  if (dc == nullptr)
    return 0;
  // The request the driver fills: the index, then the core and memory readings in Hz.
  std::uint32_t request[4] = {index, 0, 0, 0};
  // The input names the request by its address; where a pointer takes two words it spans them.
  std::uint8_t input[32] = {};
  std::uint8_t output[32] = {};
  const std::uint32_t header[4] = {0, 0, 494, 0};
  std::memcpy(input, header, sizeof(header));
  const auto address = reinterpret_cast<std::uintptr_t>(request);
  std::memcpy(input + 16, &address, sizeof(address));
  const std::uint32_t requestSize = sizeof(request);
  std::memcpy(input + 24, &requestSize, sizeof(requestSize));
  const int result = ExtEscape(dc, kClockEscape, sizeof(input), reinterpret_cast<LPCSTR>(input),
                               sizeof(output), reinterpret_cast<LPSTR>(output));
  const bool deleted = DeleteDC(dc) != FALSE;
  if (result == 0 || !deleted || WordAt(output + 28) != 0)
    return 0;
  return part == platform::ClockPart::Core ? request[2] : request[3];
}

std::vector<platform::DisplayDeviceRecord> Win32DisplayDriver::DisplayDevices() {
  std::vector<platform::DisplayDeviceRecord> devices;
  for (DWORD index = 0;; ++index) {
    DISPLAY_DEVICEW device{};
    device.cb = sizeof(device);
    if (!EnumDisplayDevicesW(nullptr, index, &device, 0))
      break;
    devices.push_back(
        {Narrow(device.DeviceName), Narrow(device.DeviceString), Narrow(device.DeviceID)});
  }
  return devices;
}

}  // namespace tamsendor::win32

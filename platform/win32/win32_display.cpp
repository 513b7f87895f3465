#include "platform/win32/win32_display.h"

#include <windows.h>

namespace tamsendor::win32 {

std::vector<platform::DisplayMode> Win32DisplayModes::PrimaryModes() const {
  std::vector<platform::DisplayMode> modes;
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  for (DWORD index = 0; EnumDisplaySettingsW(nullptr, index, &mode); ++index)
    modes.push_back({static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)});
  return modes;
}

}  // namespace tamsendor::win32

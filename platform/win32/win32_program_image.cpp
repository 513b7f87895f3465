#include "platform/win32/win32_program_image.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

std::string Win32ProgramImage::ExecutablePath() const {
  // The path may be longer than MAX_PATH; a full buffer means it was cut.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0)
      return {};
    if (length < buffer.size())
      return Narrow(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace tamsendor::win32

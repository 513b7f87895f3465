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

std::string Win32ProgramImage::FileVersion() const {
  return ReadFileVersion(ExecutablePath());
}

std::string ReadFileVersion(const std::string& path) {
  const std::wstring file = Widen(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0)
    return {};
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
    return {};
  // The numbers of the fixed part, not a translated string table, so no language has to match.
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD)
    return {};
  return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
         std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
         std::to_string(LOWORD(fixed->dwFileVersionLS));
}

}  // namespace tamsendor::win32

#include "platform/win32/win32_system_folders.h"

#include <windows.h>

#include <string>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// A folder the system writes into a buffer of the size it asks for; empty when it cannot.
template <typename Call>
std::string AskedFolder(Call call) {
  const UINT size = call(0, nullptr);
  if (size == 0)
    return {};
  std::wstring folder(size, L'\0');
  const UINT length = call(size, folder.data());
  if (length == 0 || length >= size)
    return {};
  folder.resize(length);
  return Narrow(folder);
}

}  // namespace

std::string Win32SystemFolders::SystemFolder() const {
  std::string folder =
      AskedFolder([](UINT size, wchar_t* buffer) { return GetSystemDirectoryW(buffer, size); });
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
    folder.pop_back();
  return folder;
}

std::string Win32SystemFolders::TemporaryFolder() const {
  std::string folder = AskedFolder(
      [](UINT size, wchar_t* buffer) { return static_cast<UINT>(GetTempPathW(size, buffer)); });
  if (!folder.empty() && folder.back() != '\\')
    folder += '\\';
  return folder;
}

std::string Win32SystemFolders::AnsiToUtf8(std::string_view ansi) const {
  return win32::AnsiToUtf8(ansi);
}

}  // namespace tamsendor::win32

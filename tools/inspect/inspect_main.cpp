// tamsendor-inspect: shows what the program reads from a DirectX diagnostic report or an engine
// result file, for users and support asking why a report says what it says.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"
#include "tools/inspect/inspect.h"

namespace {

using namespace tamsendor;

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason) {
  // Named as the user typed it, relative to the current folder.
  const std::wstring given = win32::Widen(path);
  const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  if (size == 0 || GetFullPathNameW(given.c_str(), size, full.data(), nullptr) == 0) {
    reason = win32::SystemErrorText(GetLastError());
    return std::nullopt;
  }
  full.resize(full.find(L'\0'));
  const win32::Win32FileSystem files;
  std::optional<std::string> bytes = files.ReadBytes(win32::Narrow(full));
  if (!bytes)
    reason = win32::SystemErrorText(GetLastError());
  return bytes;
}

// UTF-8 bytes into a file or pipe; a console is given the characters themselves, whatever its
// code page.
void Write(DWORD stream, const std::string& utf8) {
  const HANDLE handle = GetStdHandle(stream);
  DWORD written = 0;
  if (DWORD mode = 0; GetConsoleMode(handle, &mode)) {
    const std::wstring text = win32::Widen(utf8);
    WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(win32::Narrow(argv[i]));
  const inspect::InspectIo io{ReadWholeFile, win32::AnsiToUtf8};
  std::string out;
  std::string err;
  const int code = inspect::Inspect(arguments, io, out, err);
  Write(STD_OUTPUT_HANDLE, out);
  Write(STD_ERROR_HANDLE, err);
  return code;
}

#include "tools/console/console_io.h"

#include <windows.h>

#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"

namespace tamsendor::console {

namespace {

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

std::optional<std::wstring> FullPath(const std::string& path, std::string& reason) {
  const std::wstring given = win32::Widen(path);
  const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  if (size == 0 || GetFullPathNameW(given.c_str(), size, full.data(), nullptr) == 0) {
    reason = win32::SystemErrorText(GetLastError());
    return std::nullopt;
  }
  full.resize(full.find(L'\0'));
  return full;
}

bool EndsWithNoCase(const std::wstring& name, const std::wstring& ending) {
  return name.size() >= ending.size() &&
         CompareStringOrdinal(name.c_str() + name.size() - ending.size(),
                              static_cast<int>(ending.size()), ending.c_str(),
                              static_cast<int>(ending.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::vector<std::string> Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(win32::Narrow(argv[i]));
  return arguments;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason) {
  const std::optional<std::wstring> full = FullPath(path, reason);
  if (!full)
    return std::nullopt;
  const win32::Win32FileSystem files;
  std::optional<std::string> bytes = files.ReadBytes(win32::Narrow(*full));
  if (!bytes)
    reason = win32::SystemErrorText(GetLastError());
  return bytes;
}

std::optional<std::vector<std::string>> FilesEndingIn(const std::string& folder,
                                                      const std::string& ending,
                                                      std::string& reason) {
  const std::optional<std::wstring> full = FullPath(folder, reason);
  if (!full)
    return std::nullopt;
  std::wstring pattern = *full;
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
    pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found{};
  const HANDLE search =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND)
      return std::vector<std::string>{};  // an empty drive's root
    reason = win32::SystemErrorText(error);
    return std::nullopt;
  }
  // A pattern of "*.json" would also find "x.jsonx" through its short name; the ending is
  // checked here instead.
  const std::wstring wideEnding = win32::Widen(ending);
  std::vector<std::string> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        EndsWithNoCase(found.cFileName, wideEnding))
      names.push_back(win32::Narrow(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

void WriteOut(const std::string& utf8) {
  Write(STD_OUTPUT_HANDLE, utf8);
}

void WriteErr(const std::string& utf8) {
  Write(STD_ERROR_HANDLE, utf8);
}

}  // namespace tamsendor::console

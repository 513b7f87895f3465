#include "tools/standins/standin_win32.h"

#include <windows.h>

#include <vector>

namespace tamsendor::standin {
namespace {

HANDLE OpenWithRetry(const std::wstring& path, DWORD access, DWORD disposition) {
  for (int attempt = 0;; ++attempt) {
    HANDLE file =
        CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || attempt == 50 || GetLastError() != ERROR_SHARING_VIOLATION)
      return file;
    Sleep(10);
  }
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  if (text.empty())
    return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::wstring OwnFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  while (true) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size())
      return FolderOf(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  HANDLE file = OpenWithRetry(path, GENERIC_READ, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr)) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  if (!ok)
    return std::nullopt;
  return bytes;
}

bool AppendToFile(const std::wstring& path, std::string_view bytes,
                  std::string_view headerWhenNew) {
  HANDLE file = OpenWithRetry(path, FILE_APPEND_DATA, OPEN_ALWAYS);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  const bool ok = WriteAll(
      file, created ? std::string(headerWhenNew) + std::string(bytes) : std::string(bytes));
  CloseHandle(file);
  return ok;
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file = OpenWithRetry(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  const bool ok = WriteAll(file, bytes);
  CloseHandle(file);
  return ok;
}

void AppendLogLine(const std::wstring& path, std::string_view line) {
  std::string bytes(line);
  bytes += "\r\n";
  AppendToFile(path, bytes);
}

}  // namespace tamsendor::standin

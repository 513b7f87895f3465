#include "platform/win32/update_helper_start.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {
constexpr wchar_t kHelper[] = L"tamsendor_update.exe";
}  // namespace

bool UpdateHelperStart::Prepare() {
  std::wstring source = Widen(programPath_);
  source.resize(source.find_last_of(L"\\/") + 1);
  source += kHelper;
  const std::wstring copy = Widen(downloadFolder_) + kHelper;
  return CopyFileW(source.c_str(), copy.c_str(), FALSE) != 0;
}

bool UpdateHelperStart::Start(const std::string& setupPath) {
  const std::wstring helper = Widen(downloadFolder_) + kHelper;
  std::wstring commandLine = L"\"" + helper + L"\" " + std::to_wstring(GetCurrentProcessId()) +
                             L" \"" + Widen(setupPath) + L"\" \"" + Widen(programPath_) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(helper.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace tamsendor::win32

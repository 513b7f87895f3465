#include "platform/win32/win32_shell.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/local_time.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

void Win32Dialogs::ShowMessage(const std::string& text) {
  if (silent_)
    return;
  MessageBoxW(owner_, Widen(text).c_str(), title_.c_str(), MB_OK | MB_TASKMODAL);
}

bool Win32Dialogs::ConfirmYesNo(const std::string& question) {
  if (silent_)
    return false;
  return MessageBoxW(owner_, Widen(question).c_str(), title_.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

bool Win32Dialogs::Choose(const std::string& question, const std::string& first,
                          const std::string& second) {
  if (silent_)
    return false;
  // Buttons of our own captions take the task dialog of the common controls 6, which the
  // program's manifest asks for; without it, the plain Yes and No.
  using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  const FARPROC found = controls ? GetProcAddress(controls, "TaskDialogIndirect") : nullptr;
  if (found == nullptr)
    return ConfirmYesNo(question);
  const auto taskDialog =
      reinterpret_cast<TaskDialogIndirectFunction>(reinterpret_cast<void (*)()>(found));
  const std::wstring text = Widen(question);
  const std::wstring firstText = Widen(first);
  const std::wstring secondText = Widen(second);
  const TASKDIALOG_BUTTON buttons[] = {{IDYES, firstText.c_str()}, {IDNO, secondText.c_str()}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner_;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = title_.c_str();
  config.pszContent = text.c_str();
  config.cButtons = 2;
  config.pButtons = buttons;
  config.nDefaultButton = IDYES;
  int pressed = IDNO;
  if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr)))
    return ConfirmYesNo(question);
  return pressed == IDYES;
}

platform::WindowBounds Win32WindowPlacement::NormalBounds() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(window_, &placement);
  const RECT& r = placement.rcNormalPosition;
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32WindowPlacement::SetBounds(const platform::WindowBounds& bounds) {
  // Through the placement, in the same coordinates NormalBounds reads, so a minimised window
  // keeps its state and gets its restored position back.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(window_, &placement);
  placement.rcNormalPosition = {bounds.left, bounds.top, bounds.left + bounds.width,
                                bounds.top + bounds.height};
  placement.flags = 0;
  SetWindowPlacement(window_, &placement);
}

std::string Win32LocaleClock::NowShortDateLongTime() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128, nullptr);
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, time, 128);
  return Narrow(date) + " " + Narrow(time);
}

std::string Win32LocaleClock::NowIso8601() const {
  // Both from one instant, so that the offset is the one in force now, summer time included.
  SYSTEMTIME utc{};
  GetSystemTime(&utc);
  SYSTEMTIME local = utc;
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    local = utc;
  FILETIME utcFile{};
  FILETIME localFile{};
  SystemTimeToFileTime(&utc, &utcFile);
  SystemTimeToFileTime(&local, &localFile);
  const auto ticks = [](const FILETIME& f) {
    return static_cast<long long>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) |
                                  f.dwLowDateTime);
  };
  constexpr long long kTicksPerMinute = 60LL * 10000000LL;
  const long long offset = ticks(localFile) - ticks(utcFile);
  const long long minutes =
      (offset >= 0 ? offset + kTicksPerMinute / 2 : offset - kTicksPerMinute / 2) / kTicksPerMinute;
  return platform::Iso8601({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                            local.wSecond, static_cast<int>(minutes)});
}

std::string Win32LocaleClock::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0)
    return ".";
  return Narrow(separator);
}

platform::FileResult Win32DocumentOpener::Open(const std::string& path) {
  // Values up to 32 are errors; the shell has usually left the reason as the last error too.
  SetLastError(ERROR_SUCCESS);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner_, L"open", Widen(path).c_str(), L"", L"", SW_SHOW));
  if (result > 32)
    return platform::FileResult::Success();
  DWORD error = GetLastError();
  if (error == ERROR_SUCCESS)
    error = result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : static_cast<DWORD>(result);
  return platform::FileResult::Failure(SystemErrorText(error));
}

}  // namespace tamsendor::win32

#include "platform/win32/win32_crash_report.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/win32/crash_guard.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

std::wstring ReportsRoot() {
  PWSTR local = nullptr;
  std::wstring root;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)))
    root = std::wstring(local) + L"\\Korvalin Tamsendor\\Crash reports\\";
  CoTaskMemFree(local);
  return root;
}

bool MakeFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
       at = path.find(L'\\', at + 1)) {
    const std::wstring part = path.substr(0, at);
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  return true;
}

std::vector<std::wstring> Entries(const std::wstring& folder, bool folders) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::wstring name = found.cFileName;
    if (isFolder == folders && name != L"." && name != L"..")
      names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

constexpr int kOpenFolder = 100;
constexpr int kCopyReport = 101;
constexpr int kSendByMail = 102;

struct DialogData {
  std::wstring folder;
  std::wstring report;
  std::wstring mailLink;
};

void CopyToClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner))
    return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
        GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

HRESULT CALLBACK DialogEvent(HWND dialog, UINT event, WPARAM wParam, LPARAM,
                             LONG_PTR reference) noexcept {
  if (event != TDN_BUTTON_CLICKED)
    return S_OK;
  const auto& data = *reinterpret_cast<const DialogData*>(reference);
  switch (static_cast<int>(wParam)) {
    case kOpenFolder:
      ShellExecuteW(dialog, L"open", data.folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return S_FALSE;  // the dialog stays
    case kCopyReport:
      CopyToClipboard(dialog, data.report);
      return S_FALSE;
    case kSendByMail:
      ShellExecuteW(dialog, L"open", data.mailLink.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return S_FALSE;
    default:
      return S_OK;
  }
}

}  // namespace

std::optional<std::string> Win32CrashReportStore::NewReportFolder() {
  const std::wstring root = ReportsRoot();
  if (root.empty())
    return std::nullopt;
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::wstring name = Widen(platform::ReportFolderName(now.wYear, now.wMonth, now.wDay,
                                                             now.wHour, now.wMinute, now.wSecond));
  std::wstring folder = root + name + L"\\";
  for (int second = 2; GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES; ++second)
    folder = root + name + L" (" + std::to_wstring(second) + L")\\";
  if (!MakeFolders(folder))
    return std::nullopt;
  return Narrow(folder);
}

void Win32CrashReportStore::KeepNewest(std::size_t count) {
  const std::wstring root = ReportsRoot();
  std::vector<std::string> names;
  for (const std::wstring& name : Entries(root, true))
    names.push_back(Narrow(name));
  for (const std::string& old : platform::FoldersBeyondNewest(names, count)) {
    const std::wstring folder = root + Widen(old) + L"\\";
    for (const std::wstring& file : Entries(folder, false))
      DeleteFileW((folder + file).c_str());
    RemoveDirectoryW(folder.c_str());
  }
}

bool Win32CrashReportStore::WriteMinidump(const std::string& path) {
  return CrashGuard::WriteMinidump(Widen(path));
}

void Win32CrashDialog::Show(const std::string& message, const std::optional<std::string>& folder,
                            const std::string& reportText, const std::string& mailLink) {
  DialogData data{folder ? Widen(*folder) : std::wstring(), Widen(reportText), Widen(mailLink)};
  const std::wstring text = Widen(message);

  using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  const FARPROC found = controls ? GetProcAddress(controls, "TaskDialogIndirect") : nullptr;
  if (found == nullptr) {
    MessageBoxW(nullptr, text.c_str(), L"Korvalin Tamsendor",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    return;
  }
  const auto taskDialog =
      reinterpret_cast<TaskDialogIndirectFunction>(reinterpret_cast<void (*)()>(found));

  std::vector<TASKDIALOG_BUTTON> buttons;
  if (folder)
    buttons.push_back({kOpenFolder, L"Open folder"});
  buttons.push_back({kCopyReport, L"Copy report"});
  buttons.push_back({kSendByMail, L"Send by e-mail"});
  buttons.push_back({IDCLOSE, L"Close"});

  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = L"Korvalin Tamsendor";
  config.pszMainIcon = TD_ERROR_ICON;
  config.pszMainInstruction = L"Korvalin Tamsendor has to close";
  config.pszContent = text.c_str();
  config.cButtons = static_cast<UINT>(buttons.size());
  config.pButtons = buttons.data();
  config.nDefaultButton = IDCLOSE;
  config.pfCallback = DialogEvent;
  config.lpCallbackData = reinterpret_cast<LONG_PTR>(&data);
  taskDialog(&config, nullptr, nullptr, nullptr);
}

}  // namespace tamsendor::win32

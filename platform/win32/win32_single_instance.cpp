#include "platform/win32/win32_single_instance.h"

#include <commctrl.h>

namespace tamsendor::win32 {

namespace {

// Tags our hand-over among other WM_COPYDATA messages.
constexpr ULONG_PTR kHandOverTag = 0x4B54534D;  // "KTSM"
constexpr UINT_PTR kSubclassId = 1;
// How long a later start waits for the running copy's window to appear, or for it to end.
constexpr DWORD kPatienceMs = 5000;
// How long the running copy may take to answer a hand-over.
constexpr UINT kAnswerMs = 3000;

struct Search {
  const std::wstring* marker;
  HWND found;
};

BOOL CALLBACK FindMarked(HWND window, LPARAM data) noexcept {
  auto* search = reinterpret_cast<Search*>(data);
  if (GetPropW(window, search->marker->c_str()) == nullptr)
    return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindRunningWindow(const std::wstring& marker) {
  Search search{&marker, nullptr};
  EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The running copy's main window is not shown while its splash shows; then the splash, which
// stays on top, is what the user sees, and the window comes to the front by itself.
void BringToFront(HWND window) {
  if (!IsWindowVisible(window))
    return;
  if (IsIconic(window))
    ShowWindow(window, SW_RESTORE);
  // Raised above the others in any case, even where the system keeps the keyboard focus where
  // it was.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
}

LRESULT CALLBACK AnswerHandOvers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) noexcept {
  if (message == WM_COPYDATA) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (copy != nullptr && copy->dwData == kHandOverTag) {
      BringToFront(window);
      return TRUE;
    }
  } else if (message == WM_NCDESTROY) {
    RemovePropW(window, reinterpret_cast<const wchar_t*>(data));
    RemoveWindowSubclass(window, &AnswerHandOvers, kSubclassId);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void HandOver(HWND running, const std::wstring& commandLine) {
  // This start is what the user just did, so it may give the foreground to the running copy.
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
  COPYDATASTRUCT copy{};
  copy.dwData = kHandOverTag;
  copy.cbData = static_cast<DWORD>((commandLine.size() + 1) * sizeof(wchar_t));
  copy.lpData = const_cast<wchar_t*>(commandLine.c_str());
  DWORD_PTR answer = 0;
  // A hung or closing copy must not hang this one: the call gives up after a while.
  SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                      SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &answer);
}

}  // namespace

SingleInstance::SingleInstance(const std::wstring& name)
    // "Local\": one running copy per logon session.
    : mutex_(CreateMutexW(nullptr, FALSE, (L"Local\\" + name + L".Running").c_str())),
      marker_(name + L".MainWindow") {}

SingleInstance::~SingleInstance() {
  if (owned_)
    ReleaseMutex(mutex_.get());
}

bool SingleInstance::BecomeTheRunningCopy(const std::wstring& commandLine) {
  if (!mutex_.valid())
    return owned_ = true;  // no mutex to be had: better run than refuse the user
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  DWORD wait = 0;
  for (;;) {
    // A copy that ended without releasing it leaves it abandoned, which gives it to us all the
    // same.
    const DWORD result = WaitForSingleObject(mutex_.get(), wait);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED)
      return owned_ = true;
    if (HWND running = FindRunningWindow(marker_)) {
      HandOver(running, commandLine);
      return false;
    }
    if (GetTickCount64() >= deadline)
      return false;
    wait = 100;
  }
}

void SingleInstance::ServeLaterStarts(HWND mainWindow) {
  SetPropW(mainWindow, marker_.c_str(), reinterpret_cast<HANDLE>(1));
  SetWindowSubclass(mainWindow, &AnswerHandOvers, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(marker_.c_str()));
}

}  // namespace tamsendor::win32

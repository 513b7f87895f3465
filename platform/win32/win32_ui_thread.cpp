#include "platform/win32/win32_ui_thread.h"

#include <stdexcept>

namespace tamsendor::win32 {

namespace {
constexpr UINT kRunPosted = WM_APP + 1;
constexpr wchar_t kClassName[] = L"TamsendorUiThread";
}  // namespace

Win32UiThread::Win32UiThread() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &Win32UiThread::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);  // fails harmlessly when a second instance registers again
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr)
    throw std::runtime_error("Cannot create the message window.");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32UiThread::~Win32UiThread() {
  for (const auto& timer : timers_)
    KillTimer(window_, static_cast<UINT_PTR>(timer.first));
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void Win32UiThread::Post(std::function<void()> work) {
  {
    std::lock_guard<std::mutex> guard(postedLock_);
    posted_.push_back(std::move(work));
  }
  PostMessageW(window_, kRunPosted, 0, 0);
}

platform::TimerId Win32UiThread::After(std::uint32_t milliseconds, std::function<void()> work) {
  const platform::TimerId id = nextTimer_++;
  timers_[id] = std::move(work);
  // USER_TIMER_MINIMUM applies below 10 ms; a zero wait still goes through the message loop.
  SetTimer(window_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
  return id;
}

void Win32UiThread::Cancel(platform::TimerId id) {
  if (timers_.erase(id))
    KillTimer(window_, static_cast<UINT_PTR>(id));
}

void Win32UiThread::RunPosted() {
  std::vector<std::function<void()>> batch;
  {
    std::lock_guard<std::mutex> guard(postedLock_);
    batch.swap(posted_);
  }
  for (auto& work : batch)
    work();
}

void Win32UiThread::RunTimer(UINT_PTR id) {
  KillTimer(window_, id);  // one-shot
  const auto it = timers_.find(static_cast<platform::TimerId>(id));
  if (it == timers_.end())
    return;
  auto work = std::move(it->second);
  timers_.erase(it);
  work();
}

LRESULT CALLBACK Win32UiThread::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<Win32UiThread*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    if (message == kRunPosted) {
      self->RunPosted();
      return 0;
    }
    if (message == WM_TIMER) {
      self->RunTimer(wParam);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tamsendor::win32

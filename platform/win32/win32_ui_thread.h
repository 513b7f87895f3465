#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "platform/short_wait.h"
#include "platform/ui_thread.h"

namespace tamsendor::win32 {

// Dispatcher and timers of the thread that creates this object: a hidden message-only window
// receives the posted work and the timer messages, so everything runs inside the ordinary
// message loop (and inside modal loops such as message boxes).
class Win32UiThread : public platform::Dispatcher, public platform::Timers {
 public:
  Win32UiThread();
  ~Win32UiThread() override;
  Win32UiThread(const Win32UiThread&) = delete;
  Win32UiThread& operator=(const Win32UiThread&) = delete;

  void Post(std::function<void()> work) override;  // any thread
  platform::TimerId After(std::uint32_t milliseconds, std::function<void()> work) override;
  void Cancel(platform::TimerId id) override;
  std::uint64_t NowMs() const override { return GetTickCount64(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  void RunPosted();
  void RunTimer(UINT_PTR id);

  HWND window_ = nullptr;
  std::mutex postedLock_;
  std::vector<std::function<void()>> posted_;
  platform::TimerId nextTimer_ = 1;
  std::map<platform::TimerId, std::function<void()>> timers_;
};

class Win32ShortWait : public platform::ShortWait {
 public:
  void Wait(std::uint32_t milliseconds) override { Sleep(milliseconds); }
};

}  // namespace tamsendor::win32

#pragma once

#include <windows.h>
#include <shobjidl.h>

#include "platform/taskbar_progress.h"
#include "platform/win32/com.h"

namespace tamsendor::win32 {

// The taskbar's progress for a window (named once it exists), through the shell's ITaskbarList3.
// A shell without it (an old or a replaced one) leaves the button as it is.
class Win32TaskbarProgress : public platform::TaskbarProgress {
 public:
  void Attach(HWND window) { window_ = window; }

  void ShowBusy() override;
  void ShowProgress(int done, int total) override;
  void Clear() override;

 private:
  // The shell's object, made at the first use; null when there is none.
  ITaskbarList3* Taskbar();

  HWND window_ = nullptr;
  ComScope com_;
  bool tried_ = false;
  ComRef<ITaskbarList3> taskbar_;
};

}  // namespace tamsendor::win32

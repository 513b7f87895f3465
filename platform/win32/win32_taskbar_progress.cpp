#include "platform/win32/win32_taskbar_progress.h"

namespace tamsendor::win32 {

ITaskbarList3* Win32TaskbarProgress::Taskbar() {
  if (!window_)
    return nullptr;
  if (!tried_) {
    tried_ = true;
    ComRef<ITaskbarList3> taskbar;
    if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITaskbarList3, reinterpret_cast<void**>(taskbar.Out()))) &&
        SUCCEEDED(taskbar->HrInit()))
      taskbar_ = std::move(taskbar);
  }
  return taskbar_.Get();
}

void Win32TaskbarProgress::ShowBusy() {
  if (ITaskbarList3* taskbar = Taskbar())
    taskbar->SetProgressState(window_, TBPF_INDETERMINATE);
}

void Win32TaskbarProgress::ShowProgress(int done, int total) {
  if (total <= 0)
    return;
  if (ITaskbarList3* taskbar = Taskbar()) {
    // The value also leaves the indeterminate state.
    taskbar->SetProgressState(window_, TBPF_NORMAL);
    taskbar->SetProgressValue(window_, static_cast<ULONGLONG>(done < 0 ? 0 : done),
                              static_cast<ULONGLONG>(total));
  }
}

void Win32TaskbarProgress::Clear() {
  if (ITaskbarList3* taskbar = Taskbar())
    taskbar->SetProgressState(window_, TBPF_NOPROGRESS);
}

}  // namespace tamsendor::win32

#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

namespace tamsendor::win32 {

// Only one copy of the program runs in a user's session. The running copy holds a named mutex for
// its whole run and marks its main window; a later start finds that window, hands it its command
// line (WM_COPYDATA), lets it come to the front, and ends.
class SingleInstance {
 public:
  explicit SingleInstance(const std::wstring& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process is to run: no other copy runs, or the one that ran ended meanwhile.
  // Otherwise the running copy has been handed the command line (when it answered in time) and
  // this one is to end. Never waits long: a running copy that is hung or shows no main window
  // (still starting, or closing) costs a few seconds at most.
  bool BecomeTheRunningCopy(const std::wstring& commandLine);

  // The running copy: marks its main window for later starts and answers their hand-overs by
  // bringing the window to the front (the command line itself is not used).
  void ServeLaterStarts(HWND mainWindow);

 private:
  Handle mutex_;
  bool owned_ = false;
  std::wstring marker_;
};

}  // namespace tamsendor::win32

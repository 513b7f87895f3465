#pragma once

#include <windows.h>

#include "ui/application.h"

namespace tamsendor::win32 {

// The whole program as the system sees it: its main window and its message loop.
class ApplicationPeer : public ui::ApplicationPeer {
 public:
  explicit ApplicationPeer(HWND mainWindow) : mainWindow_(mainWindow) {}

  // The windows the main window owns hide along with it.
  void Minimize() override { ShowWindow(mainWindow_, SW_MINIMIZE); }
  void Terminate() override { PostQuitMessage(0); }

 private:
  HWND mainWindow_;
};

}  // namespace tamsendor::win32

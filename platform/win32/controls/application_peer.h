#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/controls/artwork.h"
#include "platform/win32/controls/form_window.h"
#include "ui/application.h"

namespace tamsendor::win32 {

// The whole program as the system sees it: its main window, its message loop and the windows it
// opens while it runs, painted with the program's artwork.
class ApplicationPeer : public ui::ApplicationPeer {
 public:
  explicit ApplicationPeer(const Artwork& artwork) : artwork_(artwork) {}

  // Named once the main window exists; the splash opens before it.
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

  // The windows the main window owns hide along with it.
  void Minimize() override {
    if (mainWindow_ != nullptr)
      ShowWindow(mainWindow_, SW_MINIMIZE);
  }
  void Terminate() override { PostQuitMessage(0); }
  std::unique_ptr<ui::FormPeer> OpenWindow(ui::Form& form,
                                           ui::ControlSet& controls) override {
    return std::make_unique<FormWindow>(form, controls, artwork_, FormWindow::Role::Secondary);
  }

 private:
  const Artwork& artwork_;
  HWND mainWindow_ = nullptr;
};

}  // namespace tamsendor::win32

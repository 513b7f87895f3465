#pragma once

#include <memory>
#include <string>

#include "ui/control_set.h"
#include "ui/form.h"

namespace tamsendor::ui {

// The running program as a whole, as the operating system sees it.
class ApplicationPeer {
 public:
  virtual ~ApplicationPeer() = default;
  virtual void Minimize() = 0;
  virtual void Terminate() = 0;
  // A real window for a form made while the program runs; the window goes with the returned peer.
  virtual std::unique_ptr<FormPeer> OpenWindow(Form& form, ControlSet& controls) = 0;
};

// The application's title (on the taskbar and on message boxes) and the operations on the whole
// program. Headless, it remembers what was asked of it.
class Application {
 public:
  explicit Application(std::string title) : title_(std::move(title)) {}

  const std::string& Title() const { return title_; }

  // Minimises the main window together with the windows it owns.
  void Minimize();
  // Ends the message loop at once: no window is asked whether it may close.
  void Terminate();
  // Gives a form that is made while the program runs (a window owned by the application, such as
  // the start-up splash) its window, for as long as the returned peer lives. Headless: none.
  std::unique_ptr<FormPeer> OpenWindow(Form& form, ControlSet& controls);

  bool Terminated() const { return terminated_; }
  int MinimizeCount() const { return minimizeCount_; }

  void AttachPeer(ApplicationPeer* peer) { peer_ = peer; }

 private:
  std::string title_;
  bool terminated_ = false;
  int minimizeCount_ = 0;
  ApplicationPeer* peer_ = nullptr;
};

}  // namespace tamsendor::ui

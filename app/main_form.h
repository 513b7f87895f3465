#pragma once

#include "app/close_clean_up.h"
#include "app/window_lifecycle.h"
#include "platform/ui_thread.h"
#include "ui/application.h"
#include "ui/control_set.h"
#include "ui/form.h"

namespace tamsendor::app {

// The main window: its controls, made from its layout, the owners of its handlers, and the
// wiring of each control's event to the handler of the same name. No behaviour lives here.
class TForm1 {
 public:
  TForm1(ui::Application& application, platform::Timers& timers);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Form& Form() { return form_; }
  const ui::ControlSet& Controls() const { return controls_; }
  CloseCleanUp& CleanUp() { return cleanUp_; }

 private:
  void Connect();

  ui::Form form_;
  ui::ControlSet controls_;
  CloseCleanUp cleanUp_;
  WindowLifecycle lifecycle_;
};

}  // namespace tamsendor::app

#pragma once

#include "app/close_clean_up.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

namespace tamsendor::app {

// The main window's own buttons, its drag by the background and its close entry points.
class WindowLifecycle {
 public:
  WindowLifecycle(ui::Application& application, ui::Form& form, const CloseCleanUp& cleanUp)
      : application_(application), form_(form), cleanUp_(cleanUp) {}

  void SpeedButton2Click();
  // Ends the program at once, once the questions of the clean-up agree: no close request, so
  // FormCloseQuery and FormClose do not run.
  void SpeedButton1Click();
  void Image4MouseDown(ui::MouseButton button);
  // The close is allowed unless a question of the clean-up is answered No.
  void FormCloseQuery(bool& canClose);
  void FormClose();

 private:
  ui::Application& application_;
  ui::Form& form_;
  const CloseCleanUp& cleanUp_;
};

}  // namespace tamsendor::app

#include "app/window_lifecycle.h"

#include "core/event_trail.h"

namespace tamsendor::app {

void WindowLifecycle::SpeedButton2Click() {
  application_.Minimize();
}

void WindowLifecycle::SpeedButton1Click() {
  if (!CloseCleanUp::AllAgree(cleanUp_.askFirst))
    return;
  core::ProgramTrail().SetActivity("closing (Exit)");
  CloseCleanUp::Run(cleanUp_.onExitButton);
  application_.Terminate();
}

void WindowLifecycle::Image4MouseDown(ui::MouseButton button) {
  if (button == ui::MouseButton::Left)
    form_.BeginMouseMove();
}

void WindowLifecycle::FormCloseQuery(bool& canClose) {
  canClose = CloseCleanUp::AllAgree(cleanUp_.askFirst);
  if (!canClose)
    return;
  core::ProgramTrail().SetActivity("closing");
  CloseCleanUp::Run(cleanUp_.onCloseQuery);
  canClose = true;
}

void WindowLifecycle::FormClose() {
  CloseCleanUp::Run(cleanUp_.onClose);
}

}  // namespace tamsendor::app

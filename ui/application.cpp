#include "ui/application.h"

namespace tamsendor::ui {

void Application::Minimize() {
  ++minimizeCount_;
  if (peer_ != nullptr)
    peer_->Minimize();
}

void Application::Terminate() {
  terminated_ = true;
  if (peer_ != nullptr)
    peer_->Terminate();
}

}  // namespace tamsendor::ui

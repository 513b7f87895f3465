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

std::unique_ptr<FormPeer> Application::OpenWindow(Form& form, ControlSet& controls) {
  if (peer_ == nullptr)
    return nullptr;
  return peer_->OpenWindow(form, controls);
}

}  // namespace tamsendor::ui

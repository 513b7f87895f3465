#include "ui/form.h"

#include <utility>

namespace tamsendor::ui {

void Form::AttachFormPeer(FormPeer* peer) {
  formPeer_ = peer;
  AttachPeer(peer);
}

void Form::Repaint() {
  if (formPeer_ != nullptr)
    formPeer_->RepaintNow();
}

void Form::BeginMouseMove() {
  if (formPeer_ != nullptr)
    formPeer_->BeginMouseMove();
}

void Form::ShowModal(Form& owner) {
  if (Visible())
    return;
  modalOwner_ = &owner;
  owner.SetEnabled(false);
  Show();
}

bool Form::Close() {
  bool canClose = true;
  if (OnCloseQuery)
    OnCloseQuery(canClose);
  if (!canClose)
    return false;
  if (OnClose)
    OnClose();
  // The owner first: a window that hides hands the activation to its owner, and a disabled owner
  // would let it go to another program.
  if (modalOwner_ != nullptr)
    std::exchange(modalOwner_, nullptr)->SetEnabled(true);
  SetVisible(false);
  if (formPeer_ != nullptr)
    formPeer_->Closed();
  return true;
}

void Form::HandleActivated(bool active) {
  if (active == active_ || (active && !Visible()))
    return;
  active_ = active;
  const auto& handler = active ? OnActivate : OnDeactivate;
  if (handler)
    handler();
}

void Form::ActivityChanged() {
  const bool becameVisible = Visible() && !shown_;
  shown_ = Visible();
  if (!Visible())
    HandleActivated(false);
  if (becameVisible && OnShow)
    OnShow();
}

}  // namespace tamsendor::ui

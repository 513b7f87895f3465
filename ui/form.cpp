#include "ui/form.h"

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

bool Form::Close() {
  bool canClose = true;
  if (OnCloseQuery)
    OnCloseQuery(canClose);
  if (!canClose)
    return false;
  if (OnClose)
    OnClose();
  SetVisible(false);
  if (formPeer_ != nullptr)
    formPeer_->Closed();
  return true;
}

void Form::ActivityChanged() {
  const bool becameVisible = Visible() && !shown_;
  shown_ = Visible();
  if (becameVisible && OnShow)
    OnShow();
}

}  // namespace tamsendor::ui

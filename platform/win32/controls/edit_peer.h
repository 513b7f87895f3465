#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/edit.h"

namespace tamsendor::win32 {

// The system's one-line text field.
class EditPeer : public NativePeer {
 public:
  EditPeer(ui::Edit& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool ShowsCaption() const override { return false; }

 private:
  ui::Edit& edit_;
};

}  // namespace tamsendor::win32

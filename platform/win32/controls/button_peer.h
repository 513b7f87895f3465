#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/button.h"

namespace tamsendor::win32 {

// The system's push button.
class ButtonPeer : public NativePeer {
 public:
  ButtonPeer(ui::Button& model, PeerContext& context, HWND parent);

 protected:
  bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace tamsendor::win32

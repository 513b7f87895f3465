#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/picture_button.h"

namespace tamsendor::win32 {

// A button painted from the artwork, lit while the pointer is over it. A click is a press and a
// release both on the button.
class PictureButtonPeer : public NativePeer {
 public:
  PictureButtonPeer(ui::PictureButton& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  ui::PictureButton& button_;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace tamsendor::win32

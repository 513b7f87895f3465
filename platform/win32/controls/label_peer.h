#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/label.h"

namespace tamsendor::win32 {

// A painted label, so a transparent one can show the skinned background beneath it. The pointer
// passes through it to whatever lies below.
class LabelPeer : public NativePeer {
 public:
  LabelPeer(ui::Label& model, PeerContext& context, HWND parent);

 protected:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  ui::Label& label_;
};

}  // namespace tamsendor::win32

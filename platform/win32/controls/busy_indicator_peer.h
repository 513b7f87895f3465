#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/busy_indicator.h"

namespace tamsendor::win32 {

// A ring of segments painted around the control's centre.
class BusyIndicatorPeer : public NativePeer {
 public:
  BusyIndicatorPeer(ui::BusyIndicator& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  ui::BusyIndicator& busy_;
};

}  // namespace tamsendor::win32

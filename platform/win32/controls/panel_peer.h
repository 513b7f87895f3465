#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/control.h"

namespace tamsendor::win32 {

// A container pane: a plain panel (its background colour, else what lies beneath), a framed
// group, a page, or the page control that holds the pages.
class PanelPeer : public NativePeer {
 public:
  PanelPeer(ui::Control& model, PeerContext& context, HWND parent, bool framed);

 protected:
  void Paint(HDC dc, const RECT& client) override;

 private:
  bool framed_;
};

}  // namespace tamsendor::win32

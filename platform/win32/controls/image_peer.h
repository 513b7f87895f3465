#pragma once

#include "platform/win32/controls/native_peer.h"
#include "platform/win32/handles.h"
#include "ui/image.h"

namespace tamsendor::win32 {

// A picture from the artwork. It is drawn once into a bitmap of the control's size, since the
// labels and buttons above it ask for it again whenever they repaint.
class ImagePeer : public NativePeer {
 public:
  ImagePeer(ui::Image& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  ui::Image& image_;
  GdiObject<HBITMAP> cache_;
};

}  // namespace tamsendor::win32

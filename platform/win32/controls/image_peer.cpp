#include "platform/win32/controls/image_peer.h"

namespace tamsendor::win32 {

ImagePeer::ImagePeer(ui::Image& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), image_(model) {
  CreatePane(0, parent);
}

void ImagePeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Picture || changed == ui::Property::Bounds) {
    cache_.reset();
    Invalidate();
  }
}

void ImagePeer::Paint(HDC dc, const RECT& client) {
  const MemoryDc cacheDc(CreateCompatibleDC(dc));
  if (!cache_.valid()) {
    cache_.reset(CreateCompatibleBitmap(dc, client.right, client.bottom));
    HGDIOBJ old = SelectObject(cacheDc.get(), cache_.get());
    FillRect(cacheDc.get(), &client, Context().Brush(SurroundingColor()));
    Context().Pictures().Paint(image_.Picture(), cacheDc.get(), client, ArtState{});
    SelectObject(cacheDc.get(), old);
  }
  HGDIOBJ old = SelectObject(cacheDc.get(), cache_.get());
  BitBlt(dc, 0, 0, client.right, client.bottom, cacheDc.get(), 0, 0, SRCCOPY);
  SelectObject(cacheDc.get(), old);
}

}  // namespace tamsendor::win32

#include "platform/win32/controls/image_peer.h"

namespace tamsendor::win32 {

ImagePeer::ImagePeer(ui::Image& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), image_(model) {
  CreatePane(0, parent);
}

ImagePeer::~ImagePeer() {
  Forget();
}

void ImagePeer::Forget() {
  if (cache_ != nullptr)
    DeleteObject(cache_);
  cache_ = nullptr;
}

void ImagePeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Picture || changed == ui::Property::Bounds) {
    Forget();
    Invalidate();
  }
}

void ImagePeer::Paint(HDC dc, const RECT& client) {
  HDC cacheDc = CreateCompatibleDC(dc);
  if (cache_ == nullptr) {
    cache_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(cacheDc, cache_);
    FillRect(cacheDc, &client, Context().Brush(SurroundingColor()));
    Context().Pictures().Paint(image_.Picture(), cacheDc, client, ArtState{});
    SelectObject(cacheDc, old);
  }
  HGDIOBJ old = SelectObject(cacheDc, cache_);
  BitBlt(dc, 0, 0, client.right, client.bottom, cacheDc, 0, 0, SRCCOPY);
  SelectObject(cacheDc, old);
  DeleteDC(cacheDc);
}

}  // namespace tamsendor::win32

#include "platform/win32/controls/busy_indicator_peer.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/handles.h"

namespace tamsendor::win32 {

BusyIndicatorPeer::BusyIndicatorPeer(ui::BusyIndicator& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), busy_(model) {
  CreatePane(0, parent);
}

void BusyIndicatorPeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Step)
    Invalidate();
}

void BusyIndicatorPeer::Paint(HDC dc, const RECT& client) {
  PaintBehind(dc);
  const int segments = ui::BusyIndicator::kSegments;
  const double centreX = client.right / 2.0;
  const double centreY = client.bottom / 2.0;
  const double outer = std::min(client.right, client.bottom) / 2.0 - 4;
  const double inner = outer * 0.55;
  const int thickness = std::max(2, static_cast<int>(outer / 5));
  for (int i = 0; i < segments; ++i) {
    const int behind = (busy_.Step() - i + segments) % segments;
    const ui::Color color = behind == 0                                 ? busy_.TransitionColor()
                            : behind <= ui::BusyIndicator::kActiveTrail ? busy_.ActiveColor()
                                                                        : busy_.InactiveColor();
    const double angle = 2 * 3.14159265358979 * i / segments - 3.14159265358979 / 2;
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, thickness, ToColorRef(color)));
    HGDIOBJ old = SelectObject(dc, pen.get());
    MoveToEx(dc, static_cast<int>(centreX + inner * std::cos(angle)),
             static_cast<int>(centreY + inner * std::sin(angle)), nullptr);
    LineTo(dc, static_cast<int>(centreX + outer * std::cos(angle)),
           static_cast<int>(centreY + outer * std::sin(angle)));
    SelectObject(dc, old);
  }
}

}  // namespace tamsendor::win32

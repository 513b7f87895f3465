#include "platform/win32/controls/panel_peer.h"

#include "platform/win32/controls/painting.h"

namespace tamsendor::win32 {

PanelPeer::PanelPeer(ui::Control& model, PeerContext& context, HWND parent, bool framed)
    : NativePeer(model, context), framed_(framed) {
  CreatePane(WS_EX_CONTROLPARENT, parent);
}

void PanelPeer::Paint(HDC dc, const RECT& client) {
  const ui::Control& panel = Model();
  if (panel.BackgroundColor())
    FillRect(dc, &client, Context().Brush(*panel.BackgroundColor()));
  else
    PaintBehind(dc);
  const ui::Color text = panel.FontColor().value_or(ui::kBlack);
  if (framed_)
    DrawGroupFrame(dc, client, panel.Caption(), Context().Font(panel.FontSize()), kFrameColor,
                   text);
  else
    DrawCaption(dc, client, panel.Caption(), Context().Font(panel.FontSize()), text,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace tamsendor::win32

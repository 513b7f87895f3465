#include "platform/win32/controls/label_peer.h"

#include "platform/win32/controls/painting.h"

namespace tamsendor::win32 {

LabelPeer::LabelPeer(ui::Label& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), label_(model) {
  CreatePane(WS_EX_TRANSPARENT, parent);
}

bool LabelPeer::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != WM_NCHITTEST)
    return false;
  result = HTTRANSPARENT;
  return true;
}

void LabelPeer::Paint(HDC dc, const RECT& client) {
  if (label_.Transparent() || !label_.BackgroundColor())
    PaintBehind(dc);
  else
    FillRect(dc, &client, Context().Brush(*label_.BackgroundColor()));
  const ui::Color text = label_.FontColor().value_or(ui::kBlack);
  DrawCaption(dc, client, label_.Caption(), Context().Font(label_.FontSize()),
              label_.Enabled() ? text : ui::kSilver,
              label_.WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
}

}  // namespace tamsendor::win32

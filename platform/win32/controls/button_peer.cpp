#include "platform/win32/controls/button_peer.h"

namespace tamsendor::win32 {

ButtonPeer::ButtonPeer(ui::Button& model, PeerContext& context, HWND parent)
    : NativePeer(model, context) {
  CreateNative(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent);
}

bool ButtonPeer::HandleFromParent(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
    return false;
  Model().HandleClick();
  result = 0;
  return true;
}

}  // namespace tamsendor::win32

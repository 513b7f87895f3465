#include "platform/win32/controls/check_box_peer.h"

#include <uxtheme.h>

namespace tamsendor::win32 {

void UseClassicLook(HWND button) {
  SetWindowTheme(button, L"", L"");
}

CheckBoxPeer::CheckBoxPeer(ui::CheckBox& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), box_(model) {
  CreateNative(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, parent);
  UseClassicLook(Handle());
  look_ = std::make_unique<CheckItemButton>(Handle(), model, context, false);
}

void CheckBoxPeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Checked)
    SendMessageW(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  if (changed == ui::Property::Colors || changed == ui::Property::Font)
    look_->Repaint();
}

bool CheckBoxPeer::HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  (void)lParam;
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    result = reinterpret_cast<LRESULT>(
        ColorText(reinterpret_cast<HDC>(wParam), Handle(), box_.BackgroundColor()));
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    box_.HandleToggle();
    if (look_->ActingOnKey())
      box_.HandleKeyboardChange();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace tamsendor::win32

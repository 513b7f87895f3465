#include "platform/win32/controls/edit_peer.h"

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

std::string FieldText(HWND field) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

}  // namespace

EditPeer::EditPeer(ui::Edit& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), edit_(model) {
  CreateNative(L"EDIT", ES_AUTOHSCROLL | ES_LEFT | WS_BORDER | WS_TABSTOP, 0, parent);
}

void EditPeer::ReflectOwn(ui::Property changed) {
  switch (changed) {
    case ui::Property::Text:
      if (FieldText(Handle()) != edit_.Text())
        SetWindowTextW(Handle(), Widen(edit_.Text()).c_str());
      break;
    case ui::Property::MaxLength:
      // 0 asks the system for its largest limit, which is what no limit means here.
      SendMessageW(Handle(), EM_SETLIMITTEXT, edit_.MaxLength(), 0);
      break;
    case ui::Property::ReadOnly:
      SendMessageW(Handle(), EM_SETREADONLY, edit_.ReadOnly(), 0);
      break;
    default:
      break;
  }
}

bool EditPeer::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_KILLFOCUS)
    edit_.HandleFocusLeft();
  return false;
}

bool EditPeer::HandleFromParent(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
    result = reinterpret_cast<LRESULT>(ColorText(reinterpret_cast<HDC>(wParam), Handle(),
                                                 edit_.BackgroundColor().value_or(ui::kWhite)));
    return true;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE || Reflecting())
    return false;
  edit_.HandleTyped(FieldText(Handle()));
  result = 0;
  return true;
}

}  // namespace tamsendor::win32

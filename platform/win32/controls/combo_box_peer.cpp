#include "platform/win32/controls/combo_box_peer.h"

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// The window of a drop-down combo box includes its open list.
constexpr int kListHeight = 160;

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

ComboBoxPeer::ComboBoxPeer(ui::ComboBox& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), box_(model) {
  // A list-only box has no text field that could take what its items do not offer.
  const DWORD style = model.TakesTypedText() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  CreateNative(L"COMBOBOX", style | WS_VSCROLL | WS_TABSTOP, 0, parent);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  if (GetComboBoxInfo(Handle(), &parts) && parts.hwndItem != nullptr && parts.hwndItem != Handle())
    WatchForLeave(parts.hwndItem);
}

void ComboBoxPeer::ReflectOwn(ui::Property changed) {
  // While the user types, the field already shows the truth; choosing no item would wipe it.
  if (typing_ && (changed == ui::Property::ItemIndex || changed == ui::Property::Text))
    return;
  switch (changed) {
    case ui::Property::Bounds: {
      const ui::Bounds& at = box_.Bounds();
      SetWindowPos(Handle(), nullptr, at.left, at.top, at.width, at.height + kListHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ui::Property::Items:
      SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : box_.Items())
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
      [[fallthrough]];
    case ui::Property::ItemIndex:
      SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(box_.ItemIndex()), 0);
      [[fallthrough]];
    case ui::Property::Text:
      if (Narrow(WindowText(Handle())) != box_.Text())
        SetWindowTextW(Handle(), Widen(box_.Text()).c_str());
      break;
    default:
      break;
  }
}

// The text field and the list ask the combo box itself for their colours.
bool ComboBoxPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX)
    return false;
  result = reinterpret_cast<LRESULT>(ColorText(reinterpret_cast<HDC>(wParam), Handle(),
                                               box_.BackgroundColor().value_or(ui::kWhite)));
  return true;
}

bool ComboBoxPeer::HandleFromParent(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  // A list-only box asks for its field's colours as a list box.
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORLISTBOX) {
    result = reinterpret_cast<LRESULT>(ColorText(reinterpret_cast<HDC>(wParam), Handle(),
                                                 box_.BackgroundColor().value_or(ui::kWhite)));
    return true;
  }
  if (message != WM_COMMAND || Reflecting())
    return false;
  result = 0;
  switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
      box_.HandleSelect(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
      return true;
    case CBN_EDITCHANGE:
      typing_ = true;
      box_.HandleTyped(Narrow(WindowText(Handle())));
      typing_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace tamsendor::win32

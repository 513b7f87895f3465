#include "platform/win32/controls/picture_button_peer.h"

#include <windowsx.h>

#include "platform/win32/controls/painting.h"

namespace tamsendor::win32 {

PictureButtonPeer::PictureButtonPeer(ui::PictureButton& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), button_(model) {
  CreatePane(0, parent);
  AcceptFocus();
}

void PictureButtonPeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Picture)
    Invalidate();
}

bool PictureButtonPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_GETDLGCODE:
      // Enter presses the button that has the focus, as a click does.
      result = DLGC_BUTTON | (AsksAboutEnter(lParam) ? DLGC_WANTMESSAGE : 0);
      return true;
    case WM_KEYDOWN:
      if ((wParam != VK_RETURN && wParam != VK_SPACE) || (lParam & (1 << 30)) != 0)
        return false;  // other keys, and a held key's repeats
      button_.HandleClick();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return false;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        Invalidate();
      }
      return true;
    case WM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      return true;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(Handle());
      Invalidate();
      return true;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      ReleaseCapture();
      Invalidate();
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (wasPressed && PtInRect(&client, at))
        button_.HandleClick();
      return true;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return true;
    default:
      return false;
  }
}

void PictureButtonPeer::Paint(HDC dc, const RECT& client) {
  PaintBehind(dc);
  const ArtState state{hot_, pressed_, button_.Enabled(), button_.Flat()};
  Context().Pictures().Paint(button_.Picture(), dc, client, state);
  DrawCaption(dc, client, button_.Caption(), Context().Font(button_.FontSize()),
              button_.FontColor().value_or(ui::kWhite), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (GetFocus() == Handle()) {
    RECT focus = client;
    InflateRect(&focus, -1, -1);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace tamsendor::win32

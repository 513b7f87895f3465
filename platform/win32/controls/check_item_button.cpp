#include "platform/win32/controls/check_item_button.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/controls/native_peer.h"
#include "platform/win32/controls/painting.h"
#include "platform/win32/handles.h"

namespace tamsendor::win32 {

namespace {

constexpr int kBoxSize = 13;
constexpr int kTextGap = 4;

// Halfway between the two colours: greyed on any background.
ui::Color Blend(ui::Color a, ui::Color b) {
  auto mid = [](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>((static_cast<int>(x) + static_cast<int>(y)) / 2);
  };
  return {mid(a.red, b.red), mid(a.green, b.green), mid(a.blue, b.blue)};
}

// Messages after which the system's button has drawn itself its own way, outside WM_PAINT.
bool RedrawsItself(UINT message) {
  switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
      return true;
    default:
      return false;
  }
}

}  // namespace

CheckItemButton::CheckItemButton(HWND button, const ui::Control& model, PeerContext& context,
                                 bool radio)
    : button_(button), model_(model), context_(context), radio_(radio) {
  SetWindowSubclass(button_, &CheckItemButton::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
}

CheckItemButton::~CheckItemButton() {
  if (button_ != nullptr)
    RemoveWindowSubclass(button_, &CheckItemButton::Proc, 1);
}

void CheckItemButton::Repaint() const {
  RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CheckItemButton::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(button_, &paint);
      RECT client;
      GetClientRect(button_, &client);
      // The bitmap before the context: the context goes first and lets go of it.
      const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right),
                                                             std::max<LONG>(1, client.bottom)));
      const MemoryDc buffer(CreateCompatibleDC(dc));
      HGDIOBJ old = SelectObject(buffer.get(), bitmap.get());
      Paint(buffer.get());
      BitBlt(dc, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
      SelectObject(buffer.get(), old);
      EndPaint(button_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button_, 0};
        TrackMouseEvent(&track);
        if (model_.HotTracked())
          Repaint();
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      if (model_.HotTracked())
        Repaint();
      break;
    case WM_NCDESTROY: {
      RemoveWindowSubclass(button_, &CheckItemButton::Proc, 1);
      HWND gone = button_;
      button_ = nullptr;
      return DefSubclassProc(gone, message, wParam, lParam);
    }
    default:
      break;
  }
  // The space bar toggles; a radio button that the keyboard moves to chooses itself.
  const bool key =
      (message == WM_KEYUP && wParam == VK_SPACE) ||
      (message == WM_SETFOCUS && radio_ && GetCapture() != button_ && GetKeyState(VK_LBUTTON) >= 0);
  const bool outer = actingOnKey_;
  if (key)
    actingOnKey_ = true;
  const LRESULT result = DefSubclassProc(button_, message, wParam, lParam);
  actingOnKey_ = outer;
  if (button_ != nullptr && RedrawsItself(message))
    Repaint();
  return result;
}

void CheckItemButton::Paint(HDC dc) const {
  RECT client;
  GetClientRect(button_, &client);
  const std::optional<ui::Color> background = model_.BackgroundColor();
  if (background)
    FillRect(dc, &client, context_.Brush(*background));
  else
    NativePeer::PaintBeneath(button_, dc);

  const bool enabled = IsWindowEnabled(button_) != FALSE;
  const bool checked = SendMessageW(button_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const ui::Color surface = background.value_or(context_.FormBackground());
  const ui::Color text = model_.FontColor().value_or(ui::kBlack);
  const bool lit = enabled && hot_ && model_.HotTracked();
  const ui::Color frame = !enabled ? Blend(kFrameColor, surface)
                          : lit    ? kHotTrackColor
                                   : kFrameColor;
  const ui::Color mark = enabled ? kHighlightColor : Blend(kHighlightColor, surface);

  const int top = (client.bottom - kBoxSize) / 2;
  RECT box{0, top, kBoxSize, top + kBoxSize};
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, lit ? 2 : 1, ToColorRef(frame)));
  HGDIOBJ oldPen = SelectObject(dc, pen.get());
  HGDIOBJ oldBrush = SelectObject(dc, context_.Brush(surface));
  if (radio_)
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
  else
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
  SelectObject(dc, oldPen);
  if (checked) {
    if (radio_) {
      SelectObject(dc, context_.Brush(mark));
      SelectObject(dc, GetStockObject(NULL_PEN));
      Ellipse(dc, box.left + 3, box.top + 3, box.right - 2, box.bottom - 2);
    } else {
      // A tick, two pixels thick.
      const GdiObject<HPEN> tick(CreatePen(PS_SOLID, 2, ToColorRef(mark)));
      HGDIOBJ previous = SelectObject(dc, tick.get());
      const POINT points[] = {
          {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
      Polyline(dc, points, 3);
      SelectObject(dc, previous);
    }
  }
  SelectObject(dc, oldBrush);

  wchar_t caption[256] = {};
  GetWindowTextW(button_, caption, 256);
  RECT label{kBoxSize + kTextGap, client.top, client.right, client.bottom};
  HFONT font = context_.Font(model_.FontSize());
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(enabled ? text : Blend(text, surface)));
  const LRESULT cues = SendMessageW(button_, WM_QUERYUISTATE, 0, 0);
  const UINT prefix = (cues & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0;
  RECT measured = label;
  DrawTextW(dc, caption, -1, &measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT | prefix);
  DrawTextW(dc, caption, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | prefix);
  if (GetFocus() == button_ && (cues & UISF_HIDEFOCUS) == 0) {
    const int height = measured.bottom - measured.top;
    RECT focus{label.left - 1, (client.bottom - height) / 2 - 1,
               std::min<LONG>(measured.right + 1, client.right), (client.bottom + height) / 2 + 1};
    SetTextColor(dc, ToColorRef(text));
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK CheckItemButton::Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) noexcept {
  return reinterpret_cast<CheckItemButton*>(self)->Receive(message, wParam, lParam);
}

}  // namespace tamsendor::win32

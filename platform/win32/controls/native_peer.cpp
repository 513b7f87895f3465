#include "platform/win32/controls/native_peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

constexpr wchar_t kPaneClass[] = L"TamsendorPane";
constexpr wchar_t kPeerProperty[] = L"TamsendorPeer";

void RegisterPaneClass() {
  static const bool registered = [] {
    WNDCLASSEXW paneClass{};
    paneClass.cbSize = sizeof(paneClass);
    paneClass.lpfnWndProc = DefWindowProcW;  // replaced per window once its peer is known
    paneClass.hInstance = GetModuleHandleW(nullptr);
    paneClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    paneClass.lpszClassName = kPaneClass;
    return RegisterClassExW(&paneClass) != 0;
  }();
  (void)registered;
}

HWND NotifyingChild(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
      return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

bool PointerOver(HWND window) {
  POINT pointer;
  RECT area;
  return GetCursorPos(&pointer) && GetWindowRect(window, &area) && PtInRect(&area, pointer);
}

}  // namespace

NativePeer::NativePeer(ui::Control& model, PeerContext& context)
    : model_(model), context_(context) {}

NativePeer::~NativePeer() {
  model_.AttachPeer(nullptr);
  backdrops_.clear();
  if (window_ == nullptr)
    return;  // gone with its parent
  // The derived peer is gone already; the window's last messages must not reach it.
  RemovePropW(window_, kPeerProperty);
  if (pane_)
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
  else
    RemoveWindowSubclass(window_, &NativePeer::NativeProc, 0);
  DestroyWindow(window_);
}

NativePeer* NativePeer::FromHandle(HWND window) {
  return window == nullptr ? nullptr : static_cast<NativePeer*>(GetPropW(window, kPeerProperty));
}

void NativePeer::CreateNative(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent) {
  const ui::Bounds& at = model_.Bounds();
  // A control the keyboard reaches is a group of its own: the arrow keys move only between the
  // items of a check or radio group.
  takesFocus_ = (style & WS_TABSTOP) != 0;
  if (takesFocus_)
    style |= WS_GROUP;
  HWND window =
      CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, at.left, at.top,
                      at.width, at.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  Attach(window);
  SetWindowSubclass(window, &NativePeer::NativeProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void NativePeer::CreatePane(DWORD exStyle, HWND parent) {
  RegisterPaneClass();
  const ui::Bounds& at = model_.Bounds();
  HWND window = CreateWindowExW(
      exStyle, kPaneClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, at.left, at.top,
      at.width, at.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  pane_ = true;
  Attach(window);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativePeer::PaneProc));
}

bool NativePeer::AsksAboutEnter(LPARAM lParam) {
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  return key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
}

void NativePeer::AcceptFocus() {
  takesFocus_ = true;
  SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_GROUP);
  Reflect(ui::Property::TabStop);
}

void NativePeer::Attach(HWND window) {
  if (window == nullptr)
    throw std::runtime_error("Cannot create the control " + model_.Name());
  window_ = window;
  SetPropW(window, kPeerProperty, this);
  // Each row lies above the rows made before it.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  model_.AttachPeer(this);
}

void NativePeer::Reflect(ui::Property changed) {
  if (window_ == nullptr)
    return;
  const bool outer = reflecting_;
  reflecting_ = true;
  switch (changed) {
    case ui::Property::Caption:
      if (ShowsCaption())
        SetWindowTextW(window_, Widen(model_.Caption()).c_str());
      if (pane_)
        Invalidate();
      break;
    case ui::Property::Visible:
      ShowWindow(window_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
      RefreshHint();
      break;
    case ui::Property::Enabled:
      EnableWindow(window_, model_.Enabled());
      Invalidate();
      RefreshHint();
      break;
    case ui::Property::Hint:
      context_.SetHint(window_, model_.Hint());
      break;
    case ui::Property::Bounds: {
      const ui::Bounds& at = model_.Bounds();
      SetWindowPos(window_, nullptr, at.left, at.top, at.width, at.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      RefreshHint();
      break;
    }
    case ui::Property::Font:
      ApplyFont(context_.Font(model_.FontSize()));
      break;
    case ui::Property::Colors:
      Invalidate();
      break;
    case ui::Property::TabStop:
      if (takesFocus_) {
        const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
        SetWindowLongPtrW(window_, GWL_STYLE,
                          model_.TabStop() ? style | WS_TABSTOP : style & ~WS_TABSTOP);
      }
      break;
    default:
      break;
  }
  ReflectOwn(changed);
  reflecting_ = outer;
}

// A disabled control's hint lies over its rectangle in its parent; it follows the control.
void NativePeer::RefreshHint() {
  if (!model_.Hint().empty())
    context_.SetHint(window_, model_.Hint());
}

void NativePeer::ReflectAll() {
  using P = ui::Property;
  for (P property : {P::Font, P::Caption, P::Enabled, P::Hint, P::Bounds, P::Colors, P::Cursor,
                     P::Items, P::ItemState, P::ItemIndex, P::Checked, P::Text, P::MaxLength,
                     P::ReadOnly, P::Picture, P::Step, P::OpenGroup, P::TabStop, P::Visible})
    Reflect(property);
}

void NativePeer::ApplyFont(HFONT font) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool NativePeer::ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  NativePeer* child = FromHandle(NotifyingChild(message, lParam));
  return child != nullptr && child->HandleFromParent(message, wParam, lParam, result);
}

bool NativePeer::HandleFromParent(UINT message, WPARAM, LPARAM, LRESULT& result) {
  (void)message;
  (void)result;
  return false;
}

bool NativePeer::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  (void)message;
  (void)result;
  return false;
}

ui::Color NativePeer::SurroundingColor() const {
  for (const NativePeer* peer = this; peer != nullptr;
       peer = FromHandle(GetParent(peer->window_))) {
    if (peer->model_.BackgroundColor())
      return *peer->model_.BackgroundColor();
  }
  return context_.FormBackground();
}

HBRUSH NativePeer::ColorText(HDC dc, HWND part, std::optional<ui::Color> background) {
  SetTextColor(
      dc, model_.FontColor() ? ToColorRef(*model_.FontColor()) : GetSysColor(COLOR_WINDOWTEXT));
  if (background) {
    SetBkColor(dc, ToColorRef(*background));
    return context_.Brush(*background);
  }
  SetBkMode(dc, TRANSPARENT);
  RECT area;
  GetClientRect(part, &area);
  Backdrop& backdrop = backdrops_[part];
  backdrop.brush.reset();
  backdrop.bitmap.reset();
  const MemoryDc buffer(CreateCompatibleDC(dc));
  backdrop.bitmap.reset(
      CreateCompatibleBitmap(dc, std::max<LONG>(1, area.right), std::max<LONG>(1, area.bottom)));
  HGDIOBJ old = SelectObject(buffer.get(), backdrop.bitmap.get());
  PaintBeneath(part, buffer.get());
  SelectObject(buffer.get(), old);
  backdrop.brush.reset(CreatePatternBrush(backdrop.bitmap.get()));
  SetBrushOrgEx(dc, 0, 0, nullptr);
  return backdrop.brush.get();
}

void NativePeer::PaintBeneath(HWND window, HDC dc) {
  HWND parent = GetParent(window);
  RECT own;
  GetWindowRect(window, &own);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&own), 2);

  // The parent paints its own surface (the form its colour, a pane what lies beneath it in turn).
  POINT saved;
  SetWindowOrgEx(dc, own.left, own.top, &saved);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);

  std::vector<HWND> below;
  for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDNEXT))
    below.push_back(sibling);
  for (auto it = below.rbegin(); it != below.rend(); ++it) {
    const NativePeer* sibling = FromHandle(*it);
    if (sibling == nullptr || !sibling->pane_ || !IsWindowVisible(*it))
      continue;
    RECT theirs, common;
    GetWindowRect(*it, &theirs);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&theirs), 2);
    if (!IntersectRect(&common, &own, &theirs))
      continue;
    SetWindowOrgEx(dc, own.left - theirs.left, own.top - theirs.top, nullptr);
    SendMessageW(*it, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  SetWindowOrgEx(dc, saved.x, saved.y, nullptr);
}

void NativePeer::WatchForLeave(HWND child) {
  SetWindowSubclass(child, &NativePeer::WatchedProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void NativePeer::PointerMoved(HWND over) {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, over, 0};
  TrackMouseEvent(&track);
  for (NativePeer* peer = this; peer != nullptr; peer = FromHandle(GetParent(peer->window_)))
    peer->pointerInside_ = true;
}

// The pointer left some window of this control; it may still be inside the control (on one of
// its parts) or inside a parent, which hears of it only through here.
void NativePeer::PointerMayHaveLeft() {
  std::vector<NativePeer*> chain;
  for (NativePeer* peer = this; peer != nullptr; peer = FromHandle(GetParent(peer->window_)))
    chain.push_back(peer);
  for (NativePeer* peer : chain) {
    if (!peer->pointerInside_ || PointerOver(peer->window_))
      continue;
    peer->pointerInside_ = false;
    peer->model_.HandleMouseLeave();
  }
}

void NativePeer::PaintBuffered() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  // The bitmap before the context: the context goes first and lets go of it.
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  const MemoryDc buffer(CreateCompatibleDC(dc));
  HGDIOBJ old = SelectObject(buffer.get(), bitmap.get());
  Paint(buffer.get(), client);
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
  SelectObject(buffer.get(), old);
  EndPaint(window_, &paint);
}

LRESULT NativePeer::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = 0;
  handled = true;
  switch (message) {
    case WM_MOUSEMOVE:
      PointerMoved(window_);
      break;
    case WM_MOUSELEAVE:
      PointerMayHaveLeft();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const ui::MouseButton button = message == WM_LBUTTONDOWN   ? ui::MouseButton::Left
                                     : message == WM_RBUTTONDOWN ? ui::MouseButton::Right
                                                                 : ui::MouseButton::Middle;
      model_.HandleMouseDown(button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (window_ == nullptr)
        return 0;  // the handler may end the window
      break;
    }
    case WM_NCDESTROY:
      RemovePropW(window_, kPeerProperty);
      window_ = nullptr;
      handled = false;
      return 0;
    default:
      break;
  }
  if (HandleMessage(message, wParam, lParam, result))
    return result;
  switch (message) {
    case WM_SETCURSOR:
      if (model_.Cursor() == ui::Cursor::HandPoint && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (ForwardToChild(message, wParam, lParam, result))
        return result;
      break;
    case WM_PAINT:
      if (!pane_)
        break;
      PaintBuffered();
      return 0;
    case WM_PRINTCLIENT:
      if (!pane_)
        break;
      {
        RECT client;
        GetClientRect(window_, &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
      }
      return 0;
    case WM_ERASEBKGND:
      if (pane_)
        return 1;
      break;
    default:
      break;
  }
  handled = false;
  return 0;
}

LRESULT CALLBACK NativePeer::PaneProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  NativePeer* self = FromHandle(window);
  if (self != nullptr) {
    bool handled = false;
    const LRESULT result = self->Dispatch(message, wParam, lParam, handled);
    if (handled)
      return result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK NativePeer::NativeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) noexcept {
  bool handled = false;
  const LRESULT result =
      reinterpret_cast<NativePeer*>(self)->Dispatch(message, wParam, lParam, handled);
  if (handled)
    return result;
  if (message == WM_NCDESTROY)
    RemoveWindowSubclass(window, &NativePeer::NativeProc, 0);
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK NativePeer::WatchedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) noexcept {
  auto* owner = reinterpret_cast<NativePeer*>(self);
  if (message == WM_MOUSEMOVE)
    owner->PointerMoved(window);
  if (message == WM_MOUSELEAVE)
    owner->PointerMayHaveLeft();
  if (message == WM_NCDESTROY)
    RemoveWindowSubclass(window, &NativePeer::WatchedProc, 0);
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tamsendor::win32

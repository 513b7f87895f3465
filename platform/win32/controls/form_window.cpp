#include "platform/win32/controls/form_window.h"

#include <stdexcept>

#include "platform/win32/controls/native_peer.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

void RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW formClass{};
    formClass.cbSize = sizeof(formClass);
    formClass.lpfnWndProc = procedure;
    formClass.hInstance = GetModuleHandleW(nullptr);
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    formClass.lpszClassName = FormWindow::kClassName;
    return RegisterClassExW(&formClass) != 0;
  }();
  (void)registered;
}

DWORD StyleOf(const ui::Form& form) {
  // The system menu and minimise box let the taskbar minimise and restore a borderless window.
  const DWORD common = WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  return form.BorderStyle() == ui::BorderStyle::None ? WS_POPUP | common
                                                     : WS_OVERLAPPED | WS_CAPTION | common;
}

DWORD ExStyleOf(const ui::Form& form, FormWindow::Role role) {
  DWORD style = WS_EX_CONTROLPARENT;
  if (role == FormWindow::Role::Main)
    style |= WS_EX_APPWINDOW;
  if (form.StaysOnTop())
    style |= WS_EX_TOPMOST;
  return style;
}

// How long after showing a window its manager's first placement is taken back.
constexpr UINT_PTR kManagerTimer = 0x4B54;
constexpr UINT kManagerWaitMs = 1000;

}  // namespace

FormWindow::FormWindow(ui::Form& form, ui::ControlSet& controls, const Artwork& artwork, Role role,
                       HWND owner)
    : form_(form), role_(role) {
  RegisterFormClass(&FormWindow::WindowProc);
  const RECT outer = OuterRect();
  window_ =
      CreateWindowExW(ExStyleOf(form, role), FormWindow::kClassName, Widen(form.Caption()).c_str(),
                      StyleOf(form), CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                      outer.bottom - outer.top, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr)
    throw std::runtime_error("Cannot create the window " + form.Name());
  context_ = std::make_unique<PeerContext>(
      window_, form.BackgroundColor().value_or(ui::Color{240, 240, 240}), artwork);
  Place(owner);
  form_.AttachFormPeer(this);
  peers_ = std::make_unique<PeerSet>(controls, window_, *context_);
  Reflect(ui::Property::Visible);
}

FormWindow::~FormWindow() {
  form_.AttachFormPeer(nullptr);
  peers_.reset();
  context_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

RECT FormWindow::OuterRect() const {
  RECT outer{0, 0, form_.Width(), form_.Height()};
  AdjustWindowRectEx(&outer, StyleOf(form_), FALSE, ExStyleOf(form_, role_));
  return outer;
}

void FormWindow::Place(HWND owner) {
  RECT around{};
  if (form_.Position() == ui::FormPosition::OwnerCenter && owner != nullptr)
    GetWindowRect(owner, &around);
  else if (form_.Position() == ui::FormPosition::ScreenCenter)
    around = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  const RECT outer = OuterRect();
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  ui::Bounds placed = form_.Bounds();
  placed.left = around.left + (around.right - around.left - width) / 2;
  placed.top = around.top + (around.bottom - around.top - height) / 2;
  form_.SetBounds(placed);
  Reflect(ui::Property::Bounds);
}

void FormWindow::Reflect(ui::Property changed) {
  if (window_ == nullptr)
    return;
  switch (changed) {
    case ui::Property::Caption:
      SetWindowTextW(window_, Widen(form_.Caption()).c_str());
      break;
    case ui::Property::Visible:
      // Over the owner wherever the user has moved it since.
      if (form_.Visible() && form_.Position() == ui::FormPosition::OwnerCenter)
        Place(GetWindow(window_, GW_OWNER));
      awaitingManager_ = form_.Visible();
      if (awaitingManager_)
        SetTimer(window_, kManagerTimer, kManagerWaitMs, nullptr);
      ShowWindow(window_, form_.Visible() ? SW_SHOW : SW_HIDE);
      break;
    case ui::Property::Enabled:
      EnableWindow(window_, form_.Enabled());
      break;
    case ui::Property::Bounds: {
      const RECT outer = OuterRect();
      SetWindowPos(window_, nullptr, form_.Left(), form_.Top(), outer.right - outer.left,
                   outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ui::Property::Colors:
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    default:
      break;
  }
}

void FormWindow::RepaintNow() {
  RedrawWindow(window_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FormWindow::BeginMouseMove() {
  // The system's own move loop, as if the caption had been grabbed (SC_MOVE | HTCAPTION).
  ReleaseCapture();
  SendMessageW(window_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void FormWindow::Closed() {
  if (role_ == Role::Main)
    DestroyWindow(window_);
  else
    ShowWindow(window_, SW_HIDE);
}

void FormWindow::StopAwaitingManager() {
  awaitingManager_ = false;
  KillTimer(window_, kManagerTimer);
}

void FormWindow::KeepPlacementOnShow(const WINDOWPOS& changed) {
  if (!awaitingManager_ || (changed.flags & SWP_NOMOVE) ||
      (changed.x == form_.Left() && changed.y == form_.Top()))
    return;
  // Openbox, for one, put a window shown at a set place in the screen's corner now and then.
  StopAwaitingManager();
  SetWindowPos(window_, nullptr, form_.Left(), form_.Top(), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FormWindow::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_WINDOWPOSCHANGED:
      KeepPlacementOnShow(*reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    // Past the manager's first placement, or moved by the user: where it is now stays.
    case WM_ENTERSIZEMOVE:
      StopAwaitingManager();
      break;
    case WM_TIMER:
      if (wParam != kManagerTimer)
        break;
      StopAwaitingManager();
      return 0;
    case WM_CLOSE:
      form_.Close();
      return 0;
    // Logoff and shutdown: the session may end; the program does not stand in its way.
    case WM_QUERYENDSESSION:
      return TRUE;
    // It ends: the process may be gone as soon as this returns, so the main window's close, with
    // the game put back and the choices kept, runs now. A cancelled end (wParam FALSE) changes
    // nothing.
    case WM_ENDSESSION:
      if (wParam && role_ == Role::Main)
        form_.EndSession();
      return 0;
    case WM_ACTIVATE:
      form_.HandleActivated(LOWORD(wParam) != WA_INACTIVE);
      break;
    case WM_DESTROY:
      if (role_ == Role::Main)
        PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               context_ ? context_->Brush(context_->FormBackground())
                        : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      return 1;
    }
    case WM_NEXTDLGCTL:
      MoveFocus(wParam, lParam);
      return 0;
    case WM_COMMAND:
      // Escape, as the dialog keys send it.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        form_.HandleCancel();
        return 0;
      }
      [[fallthrough]];
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (NativePeer::ForwardToChild(message, wParam, lParam, result))
        return result;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// The dialog keys ask the window to move the focus, as a dialog box would.
void FormWindow::MoveFocus(WPARAM wParam, LPARAM lParam) {
  HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                  : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
  if (next != nullptr)
    SetFocus(next);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<FormWindow*>(created->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr)
    return DefWindowProcW(window, message, wParam, lParam);
  return self->Receive(message, wParam, lParam);
}

}  // namespace tamsendor::win32

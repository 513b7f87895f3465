#include "platform/win32/controls/dialog_keys.h"

#include "platform/win32/controls/form_window.h"

namespace tamsendor::win32 {

namespace {

HWND FormOf(HWND window) {
  HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
  wchar_t className[32] = {};
  if (root == nullptr || GetClassNameW(root, className, 32) == 0 ||
      lstrcmpW(className, FormWindow::kClassName) != 0)
    return nullptr;
  return root;
}

// The control that owns a window of the form: a combo box for its text field, say.
HWND ControlOf(HWND form, HWND window) {
  HWND control = window;
  while (control != nullptr && control != form) {
    HWND parent = GetParent(control);
    if (parent == form || (GetWindowLongPtrW(parent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0)
      return control;
    control = parent;
  }
  return nullptr;
}

// Every control lies above the ones made before it, so the order of the layout, which Tab
// follows, runs against the windows' stacking order that the system's tab walk follows.
bool MoveByTab(HWND form, const MSG& message) {
  const LRESULT wants =
      SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if ((wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0)
    return false;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  HWND from = ControlOf(form, GetFocus());
  HWND next = nullptr;
  if (from != nullptr) {
    next = GetNextDlgTabItem(form, from, back ? FALSE : TRUE);
  } else {
    // Nothing has the focus yet: Tab goes to the first control of the layout, the last stop of
    // the stacking order, and Shift+Tab to the last.
    HWND topmost = GetNextDlgTabItem(form, nullptr, FALSE);
    next = back || topmost == nullptr ? topmost : GetNextDlgTabItem(form, topmost, TRUE);
  }
  if (next == nullptr)
    return true;
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
    SendMessageW(next, EM_SETSEL, 0, -1);
  SetFocus(next);
  return true;
}

// Enter presses the push button that has the focus. The window is no dialog box with a default
// button, which is where the system's dialog keys would send it.
bool PressByEnter(const MSG& message) {
  HWND focus = GetFocus();
  if (focus == nullptr || focus != message.hwnd)
    return false;
  const LRESULT kind =
      SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if ((kind & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0)
    return false;
  SendMessageW(focus, BM_CLICK, 0, 0);
  return true;
}

}  // namespace

void DeliverMessage(MSG& message) {
  HWND form = FormOf(message.hwnd);
  if (form != nullptr && IsWindowEnabled(form)) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && MoveByTab(form, message))
      return;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && PressByEnter(message))
      return;
    if (IsDialogMessageW(form, &message))
      return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace tamsendor::win32

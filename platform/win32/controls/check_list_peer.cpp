#include "platform/win32/controls/check_list_peer.h"

#include "platform/win32/controls/painting.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {
constexpr int kBoxSize = 13;
constexpr int kBoxMargin = 2;
}  // namespace

CheckListPeer::CheckListPeer(ui::CheckList& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), list_(model) {
  // No integral height: the list keeps the height of its design even when the last row is cut.
  CreateNative(L"LISTBOX",
               LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                   WS_VSCROLL | WS_BORDER | WS_TABSTOP,
               0, parent);
}

void CheckListPeer::ReflectOwn(ui::Property changed) {
  switch (changed) {
    case ui::Property::Items:
      SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
      SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
      for (const auto& item : list_.Items())
        SendMessageW(Handle(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(item.caption).c_str()));
      SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, list_.ItemHeight());
      SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
      Invalidate();
      break;
    case ui::Property::ItemState:
    case ui::Property::Colors:
      Invalidate();
      break;
    default:
      break;
  }
}

bool CheckListPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // the second click of a quick pair comes as a double click
      const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, lParam);
      if (HIWORD(hit) == 0)  // on a row, not below the last one
        list_.HandleItemToggle(LOWORD(hit));
      return false;  // the list box still moves its selection and takes the focus
    }
    case WM_KEYDOWN:
      if (wParam != VK_SPACE)
        return false;
      {
        const LRESULT caret = SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0);
        if (caret >= 0)
          list_.HandleItemToggle(static_cast<std::size_t>(caret));
      }
      result = 0;
      return true;
    default:
      return false;
  }
}

bool CheckListPeer::HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_CTLCOLORLISTBOX) {
    result = reinterpret_cast<LRESULT>(ColorText(reinterpret_cast<HDC>(wParam), Handle(),
                                                 list_.BackgroundColor().value_or(ui::kWhite)));
    return true;
  }
  if (message == WM_DRAWITEM) {
    DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return false;
}

void CheckListPeer::DrawRow(const DRAWITEMSTRUCT& row) {
  HDC dc = row.hDC;
  const RECT& area = row.rcItem;
  const bool selected = (row.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &area,
           selected ? GetSysColorBrush(COLOR_HIGHLIGHT)
                    : Context().Brush(list_.BackgroundColor().value_or(ui::kWhite)));
  // An empty list that has the focus is asked to draw a row that does not exist.
  if (row.itemID < list_.ItemCount()) {
    const bool enabled = list_.Enabled() && list_.ItemEnabled(row.itemID);
    const int top = (area.top + area.bottom - kBoxSize) / 2;
    RECT box{area.left + kBoxMargin, top, area.left + kBoxMargin + kBoxSize, top + kBoxSize};
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT |
                         (list_.ItemChecked(row.itemID) ? DFCS_CHECKED : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
    RECT text = area;
    text.left = box.right + 2 * kBoxMargin;
    const ui::Color ink = !enabled   ? ui::kSilver
                          : selected ? ui::kWhite
                                     : list_.FontColor().value_or(ui::kBlack);
    DrawCaption(dc, text, list_.Items()[row.itemID].caption, Context().Font(list_.FontSize()), ink,
                DT_SINGLELINE | DT_VCENTER);
  }
  if ((row.itemState & ODS_FOCUS) != 0)
    DrawFocusRect(dc, &area);
}

}  // namespace tamsendor::win32

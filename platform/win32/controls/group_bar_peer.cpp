#include "platform/win32/controls/group_bar_peer.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/controls/painting.h"

namespace tamsendor::win32 {

namespace {
constexpr ui::Color kCaptionBand{24, 24, 28};
constexpr ui::Color kHotItem{255, 199, 60};
}  // namespace

GroupBarPeer::GroupBarPeer(ui::GroupBar& model, PeerContext& context, HWND parent)
    : NativePeer(model, context), bar_(model) {
  CreatePane(0, parent);
  AcceptFocus();
}

GroupBarPeer::~GroupBarPeer() {
  for (ui::BarGroup* group : bar_.Groups())
    if (group->Peer() == this)
      group->AttachPeer(nullptr);
}

void GroupBarPeer::AddGroup(ui::BarGroup& group) {
  group.AttachPeer(this);
  Invalidate();
}

std::vector<std::pair<GroupBarPeer::Row, int>> GroupBarPeer::ShownRows() const {
  std::vector<std::pair<Row, int>> rows;
  int top = 0;
  const auto& groups = bar_.Groups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    rows.push_back({Row{static_cast<int>(g), std::nullopt}, top});
    top += kCaptionHeight;
    if (static_cast<int>(g) != bar_.OpenGroupIndex())
      continue;
    for (std::size_t i = 0; i < groups[g]->ItemCount(); ++i) {
      rows.push_back({Row{static_cast<int>(g), i}, top});
      top += kItemHeight;
    }
  }
  return rows;
}

std::optional<GroupBarPeer::Row> GroupBarPeer::RowAt(int y) const {
  for (const auto& [row, top] : ShownRows()) {
    const int height = row.item ? kItemHeight : kCaptionHeight;
    if (y >= top && y < top + height)
      return row;
  }
  return std::nullopt;
}

void GroupBarPeer::ActivateRow(const Row& row) {
  if (row.item)
    bar_.HandleItemClick(row.group, *row.item);
  else
    bar_.HandleCaptionClick(row.group);
}

void GroupBarPeer::ReflectOwn(ui::Property changed) {
  if (changed != ui::Property::Visible && changed != ui::Property::Bounds)
    Invalidate();
}

bool GroupBarPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_MOUSEMOVE: {
      const auto before = hotY_ ? RowAt(*hotY_) : std::nullopt;
      hotY_ = GET_Y_LPARAM(lParam);
      const auto now = RowAt(*hotY_);
      const bool same = before.has_value() == now.has_value() &&
                        (!now || (before->group == now->group && before->item == now->item));
      if (!same)
        Invalidate();
      return true;
    }
    case WM_MOUSELEAVE:
      hotY_.reset();
      Invalidate();
      return true;
    case WM_SETCURSOR: {
      POINT at;
      GetCursorPos(&at);
      ScreenToClient(Handle(), &at);
      if (LOWORD(lParam) != HTCLIENT || !RowAt(at.y))
        return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    }
    case WM_LBUTTONUP: {
      const auto row = RowAt(GET_Y_LPARAM(lParam));
      if (row)
        ActivateRow(*row);
      return true;
    }
    case WM_GETDLGCODE: {
      // The arrow keys move between the rows; Enter opens a group or an item, as a click does.
      result = DLGC_WANTARROWS | (AsksAboutEnter(lParam) ? DLGC_WANTMESSAGE : 0);
      return true;
    }
    case WM_KEYDOWN: {
      const auto rows = ShownRows();
      if (rows.empty())
        return false;
      focusRow_ = std::min(focusRow_, rows.size() - 1);
      if (wParam == VK_UP || wParam == VK_LEFT) {
        focusRow_ = focusRow_ == 0 ? rows.size() - 1 : focusRow_ - 1;
      } else if (wParam == VK_DOWN || wParam == VK_RIGHT) {
        focusRow_ = (focusRow_ + 1) % rows.size();
      } else if (wParam == VK_RETURN || wParam == VK_SPACE) {
        const Row chosen = rows[focusRow_].first;
        ActivateRow(chosen);
        // Opening or closing a group moves the rows below it; the focus stays on the same row.
        const auto now = ShownRows();
        for (std::size_t i = 0; i < now.size(); ++i)
          if (now[i].first.group == chosen.group && now[i].first.item == chosen.item)
            focusRow_ = i;
      } else {
        return false;
      }
      Invalidate();
      return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return false;
    default:
      return false;
  }
}

void GroupBarPeer::Paint(HDC dc, const RECT& client) {
  FillRect(dc, &client, Context().Brush(bar_.BackgroundColor().value_or(ui::kBlack)));
  HFONT font = Context().Font(bar_.FontSize());
  const auto hot = hotY_ ? RowAt(*hotY_) : std::nullopt;
  int top = 0;
  const auto& groups = bar_.Groups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const ui::BarGroup& group = *groups[g];
    const bool open = static_cast<int>(g) == bar_.OpenGroupIndex();
    RECT band{client.left, top, client.right, top + kCaptionHeight - 2};
    FillRect(dc, &band, Context().Brush(kCaptionBand));
    RECT caption{band.left + 8, band.top, band.right - 18, band.bottom};
    DrawCaption(dc, caption, group.Caption(), font, group.FontColor().value_or(ui::kWhite),
                DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    RECT sign{band.right - 18, band.top, band.right - 4, band.bottom};
    DrawCaption(dc, sign, open ? "-" : "+", font, group.FontColor().value_or(ui::kWhite),
                DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    top += kCaptionHeight;
    if (!open)
      continue;
    for (std::size_t i = 0; i < group.ItemCount(); ++i) {
      RECT item{client.left + 16, top, client.right - 4, top + kItemHeight};
      const bool lit = hot && hot->group == static_cast<int>(g) && hot->item == i;
      DrawCaption(dc, item, group.ItemAt(i).caption, font,
                  lit ? kHotItem : bar_.FontColor().value_or(ui::kSilver),
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
      top += kItemHeight;
    }
  }
  const auto rows = ShownRows();
  if (GetFocus() == Handle() && !rows.empty()) {
    const auto& [row, rowTop] = rows[std::min(focusRow_, rows.size() - 1)];
    RECT focus{client.left + 2, rowTop, client.right - 2,
               rowTop + (row.item ? kItemHeight : kCaptionHeight - 2)};
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace tamsendor::win32

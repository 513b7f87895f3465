#include "platform/win32/controls/item_buttons_peer.h"

#include <algorithm>

#include "platform/win32/controls/check_box_peer.h"
#include "platform/win32/controls/painting.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {
constexpr int kCaptionSpace = 16;
constexpr int kMargin = 8;
constexpr int kMaxRowPitch = 24;
}  // namespace

ItemButtonsPeer::ItemButtonsPeer(ui::Control& model, PeerContext& context, HWND parent,
                                 DWORD buttonStyle)
    : NativePeer(model, context), buttonStyle_(buttonStyle) {
  CreatePane(WS_EX_CONTROLPARENT, parent);
}

void ItemButtonsPeer::RebuildItems(const std::vector<std::string>& captions) {
  looks_.clear();
  for (HWND item : items_)
    DestroyWindow(item);
  items_.clear();
  // One tab stop for the group; the arrow keys move between its items.
  DWORD first = WS_GROUP | WS_TABSTOP;
  for (const std::string& caption : captions) {
    HWND item = CreateWindowExW(0, L"BUTTON", Widen(caption).c_str(),
                                WS_CHILD | WS_VISIBLE | first | buttonStyle_, 0, 0, 0, 0, Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    first = 0;
    UseClassicLook(item);
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(Context().Font(Model().FontSize())),
                 FALSE);
    WatchForLeave(item);
    items_.push_back(item);
    looks_.push_back(std::make_unique<CheckItemButton>(item, Model(), Context(),
                                                       buttonStyle_ == BS_RADIOBUTTON));
  }
  Arrange();
}

// Items fill the area below the caption column by column, evenly spaced (at most a row pitch of
// 24 pixels, so a group can hold other controls below its items), as the design tools lay out
// such groups. The last column reaches to the frame, so a lone item's text is not cut.
void ItemButtonsPeer::Arrange() {
  if (items_.empty())
    return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int columns = std::max(1, ColumnCount());
  const int count = static_cast<int>(items_.size());
  const int rows = (count + columns - 1) / columns;
  const int width = static_cast<int>(client.right - 2 * kMargin) / columns;
  const int height =
      std::clamp<int>((client.bottom - kCaptionSpace - kMargin / 2) / rows, 1, kMaxRowPitch);
  const int lastColumn = (count - 1) / rows;
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    const int left = kMargin + column * width;
    const int itemWidth =
        column == lastColumn ? std::max<int>(width, client.right - kMargin - left) : width;
    SetWindowPos(items_[static_cast<std::size_t>(i)], nullptr, left, kCaptionSpace + row * height,
                 itemWidth, std::min(height, 17), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ItemButtonsPeer::SetItemState(std::size_t index, bool checked, bool enabled) {
  if (index >= items_.size())
    return;
  SendMessageW(items_[index], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  EnableWindow(items_[index], enabled && Model().Enabled());
}

void ItemButtonsPeer::SetTabStopItem(std::size_t index) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const LONG_PTR style = GetWindowLongPtrW(items_[i], GWL_STYLE);
    SetWindowLongPtrW(items_[i], GWL_STYLE, i == index ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

void ItemButtonsPeer::ReflectOwn(ui::Property changed) {
  if (changed == ui::Property::Bounds)
    Arrange();
  if (changed == ui::Property::Colors || changed == ui::Property::Font)
    for (const auto& look : looks_)
      look->Repaint();
}

bool ItemButtonsPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND from = reinterpret_cast<HWND>(lParam);
  const auto item = std::find(items_.begin(), items_.end(), from);
  if (item == items_.end())
    return false;
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    result = reinterpret_cast<LRESULT>(
        ColorText(reinterpret_cast<HDC>(wParam), from, Model().BackgroundColor()));
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    const auto index = static_cast<std::size_t>(item - items_.begin());
    ItemClicked(index, looks_[index]->ActingOnKey());
    result = 0;
    return true;
  }
  return false;
}

void ItemButtonsPeer::Paint(HDC dc, const RECT& client) {
  if (Model().BackgroundColor())
    FillRect(dc, &client, Context().Brush(*Model().BackgroundColor()));
  else
    PaintBehind(dc);
  DrawGroupFrame(dc, client, Model().Caption(), Context().Font(Model().FontSize()), kFrameColor,
                 Model().FontColor().value_or(ui::kBlack));
}

void ItemButtonsPeer::ApplyFont(HFONT font) {
  for (HWND item : items_)
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  Invalidate();
}

}  // namespace tamsendor::win32

#include "platform/win32/controls/peer_context.h"

#include <commctrl.h>

#include "platform/win32/controls/painting.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// The id of the parent's tool over a disabled window. The other tools' ids are window handles,
// which never have this bit.
UINT_PTR DisabledToolId(HWND tool) {
  return reinterpret_cast<UINT_PTR>(tool) | (UINT_PTR{1} << (sizeof(UINT_PTR) * 8 - 2));
}

}  // namespace

COLORREF ToColorRef(ui::Color color) {
  return RGB(color.red, color.green, color.blue);
}

PeerContext::PeerContext(HWND form, ui::Color formBackground, const Artwork& artwork)
    : form_(form), formBackground_(formBackground), artwork_(artwork) {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
}

PeerContext::~PeerContext() {
  if (tooltip_ != nullptr)
    DestroyWindow(tooltip_);
}

HFONT PeerContext::Font(int points) {
  auto& font = fonts_[points];
  if (!font.valid()) {
    font.reset(CreateFontW(FontHeightOfPoints(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
  }
  return font.get();
}

HBRUSH PeerContext::Brush(ui::Color color) {
  auto& brush = brushes_[ToColorRef(color)];
  if (!brush.valid())
    brush.reset(CreateSolidBrush(ToColorRef(color)));
  return brush.get();
}

void PeerContext::SetHint(HWND tool, const std::string& hint) {
  if (tooltip_ == nullptr)
    return;
  std::wstring text = Widen(hint);
  // The size without lpReserved works with both the old and the new common controls.
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text.data();
  const bool known = tools_.count(tool) != 0;
  if (hint.empty()) {
    if (known)
      SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    tools_.erase(tool);
  } else if (known) {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  } else if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
    tools_.insert(tool);
  }

  TOOLINFOW overParent{};
  overParent.cbSize = TTTOOLINFOW_V2_SIZE;
  overParent.uFlags = TTF_SUBCLASS;
  overParent.hwnd = GetParent(tool);
  overParent.uId = DisabledToolId(tool);
  overParent.lpszText = text.data();
  if (disabledTools_.erase(tool) != 0)
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&overParent));
  const bool shown = (GetWindowLongPtrW(tool, GWL_STYLE) & WS_VISIBLE) != 0;
  if (hint.empty() || IsWindowEnabled(tool) || !shown || overParent.hwnd == nullptr)
    return;
  GetWindowRect(tool, &overParent.rect);
  MapWindowPoints(nullptr, overParent.hwnd, reinterpret_cast<POINT*>(&overParent.rect), 2);
  if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&overParent)))
    disabledTools_.insert(tool);
}

}  // namespace tamsendor::win32

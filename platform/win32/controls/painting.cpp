#include "platform/win32/controls/painting.h"

#include "platform/win32/controls/peer_context.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

void DrawCaption(HDC dc, const RECT& area, const std::string& caption, HFONT font, ui::Color color,
                 UINT format) {
  if (caption.empty())
    return;
  std::wstring text = Widen(caption);
  RECT box = area;
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(color));
  // No DT_NOPREFIX: the prefix handling is what turns "&&" into "&".
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_HIDEPREFIX);
  SelectObject(dc, old);
}

void DrawGroupFrame(HDC dc, const RECT& area, const std::string& caption, HFONT font,
                    ui::Color frameColor, ui::Color textColor) {
  HGDIOBJ oldFont = SelectObject(dc, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  const int middle = area.top + metrics.tmHeight / 2;

  // The frame's top edge stops either side of the caption.
  RECT label{area.left + 8, area.top, area.left + 8, area.top + metrics.tmHeight};
  std::wstring text = Widen(caption);
  if (!caption.empty()) {
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
    label.right += measured.right;
  }
  const int saved = SaveDC(dc);
  if (!caption.empty())
    ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
  HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(frameColor));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, area.left, middle, area.right, area.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  RestoreDC(dc, saved);

  DrawCaption(dc, label, caption, font, textColor, DT_SINGLELINE | DT_LEFT | DT_TOP);
  SelectObject(dc, oldFont);
}

}  // namespace tamsendor::win32

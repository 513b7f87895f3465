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
                    ui::Color frameColor, ui::Color textColor, ui::Color background) {
  HGDIOBJ oldFont = SelectObject(dc, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  const int middle = area.top + metrics.tmHeight / 2;

  HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(frameColor));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, area.left, middle, area.right, area.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);

  if (!caption.empty()) {
    std::wstring text = Widen(caption);
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
    RECT label{area.left + 8, area.top, area.left + 8 + measured.right,
               area.top + metrics.tmHeight};
    HBRUSH fill = CreateSolidBrush(ToColorRef(background));
    FillRect(dc, &label, fill);
    DeleteObject(fill);
    DrawCaption(dc, label, caption, font, textColor, DT_SINGLELINE | DT_LEFT | DT_TOP);
  }
  SelectObject(dc, oldFont);
}

}  // namespace tamsendor::win32

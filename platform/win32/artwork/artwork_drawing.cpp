#include "platform/win32/artwork/artwork_drawing.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/controls/painting.h"

namespace tamsendor::win32::artwork {

namespace {

HFONT TextFont(int points, int weight) {
  return CreateFontW(win32::FontHeightOfPoints(points), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

}  // namespace

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
  auto mix = [&](int a, int b) { return a + (b - a) * step / std::max(1, steps); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  const int height = area.bottom - area.top;
  for (int y = 0; y < height; ++y)
    FillSolid(dc, {area.left, area.top + y, area.right, area.top + y + 1},
              Blend(top, bottom, y, height));
}

void Text(HDC dc, int x, int y, const wchar_t* text, int points, int weight, COLORREF color) {
  HFONT font = TextFont(points, weight);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  TextOutW(dc, x, y, text, static_cast<int>(wcslen(text)));
  SelectObject(dc, old);
  DeleteObject(font);
}

void CenteredText(HDC dc, const RECT& area, const wchar_t* text, int points, int weight,
                  COLORREF color) {
  HFONT font = TextFont(points, weight);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT box = area;
  DrawTextW(dc, text, -1, &box, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, width, color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Ring(HDC dc, int cx, int cy, int radius, int width, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, width, color);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, cx - radius, cy - radius, cx + radius, cy + radius);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void RingArc(HDC dc, int cx, int cy, int radius, int width, COLORREF color, POINT from, POINT to) {
  HPEN pen = CreatePen(PS_SOLID, width, color);
  HGDIOBJ old = SelectObject(dc, pen);
  Arc(dc, cx - radius, cy - radius, cx + radius, cy + radius, from.x, from.y, to.x, to.y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Plate(HDC dc, const RECT& area, COLORREF face, COLORREF rim, int corner) {
  HBRUSH brush = CreateSolidBrush(face);
  HPEN pen = CreatePen(PS_SOLID, 1, rim);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  RoundRect(dc, area.left, area.top, area.right, area.bottom, corner, corner);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace tamsendor::win32::artwork

#pragma once

#include <windows.h>

namespace tamsendor::win32::artwork {

// The pictures' palette.
inline constexpr COLORREF kTitle = RGB(236, 236, 236);
inline constexpr COLORREF kSubtitle = RGB(160, 160, 168);
inline constexpr COLORREF kAccent = RGB(232, 138, 32);
inline constexpr COLORREF kRule = RGB(48, 50, 58);

// GDI strokes the program's pictures are drawn with, in the pictures' shared look: dark
// gradients, thin rules, rings and Tahoma text.
void FillSolid(HDC dc, const RECT& area, COLORREF color);
COLORREF Blend(COLORREF from, COLORREF to, int step, int steps);
void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom);
// Text with its top left corner at x, y.
void Text(HDC dc, int x, int y, const wchar_t* text, int points, int weight, COLORREF color);
// Text centred across the area, its top at the area's top.
void CenteredText(HDC dc, const RECT& area, const wchar_t* text, int points, int weight,
                  COLORREF color);
void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF color);
void Ring(HDC dc, int cx, int cy, int radius, int width, COLORREF color);
// The arc of a ring from one point to another, counter-clockwise.
void RingArc(HDC dc, int cx, int cy, int radius, int width, COLORREF color, POINT from, POINT to);
// A button's face: a filled rectangle with rounded corners and a one-pixel rim.
void Plate(HDC dc, const RECT& area, COLORREF face, COLORREF rim, int corner);

}  // namespace tamsendor::win32::artwork

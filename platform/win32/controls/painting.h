#pragma once

#include <windows.h>

#include <string>

#include "ui/control.h"

namespace tamsendor::win32 {

// The frame of framed groups and of check and radio groups.
inline constexpr ui::Color kFrameColor{28, 81, 128};

// The windows are laid out in fixed pixels for 96 dots per inch, and the program tells the
// system it is DPI aware so nothing is stretched blurry. Fonts therefore follow the layout, not
// the screen's DPI: a font of so many points is as many pixels high at any DPI, and text keeps
// fitting its place. The result is a character height (negative) for CreateFont.
inline int FontHeightOfPoints(int points) {
  return -MulDiv(points, 96, 72);
}

// Draws a caption the way the controls show it: "&&" appears as "&".
void DrawCaption(HDC dc, const RECT& area, const std::string& caption, HFONT font, ui::Color color,
                 UINT format);

// The frame of a framed group with its caption set into the top edge.
void DrawGroupFrame(HDC dc, const RECT& area, const std::string& caption, HFONT font,
                    ui::Color frameColor, ui::Color textColor);

}  // namespace tamsendor::win32

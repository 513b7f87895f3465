#pragma once

#include <windows.h>

#include <string>

#include "ui/control.h"

namespace tamsendor::win32 {

// The frame of framed groups and of check and radio groups.
inline constexpr ui::Color kFrameColor{28, 81, 128};

// Draws a caption the way the controls show it: "&&" appears as "&".
void DrawCaption(HDC dc, const RECT& area, const std::string& caption, HFONT font, ui::Color color,
                 UINT format);

// The frame of a framed group with its caption set into the top edge.
void DrawGroupFrame(HDC dc, const RECT& area, const std::string& caption, HFONT font,
                    ui::Color frameColor, ui::Color textColor);

}  // namespace tamsendor::win32

#pragma once

#include <windows.h>

namespace tamsendor::win32::artwork {

// The about box's picture ("about"): the program's name under a large gauge, in the main
// window's look.
void PaintAboutPicture(HDC dc, const RECT& area);

}  // namespace tamsendor::win32::artwork

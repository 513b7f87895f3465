#pragma once

#include <windows.h>

namespace tamsendor::win32 {

// Delivers one message of a message loop. In the program's windows the keys work as in a dialog
// box: Tab and Shift+Tab move between the controls of the page in view, the arrow keys between
// the items of a group, and Escape is the window's; everything else goes to its window as usual.
void DeliverMessage(MSG& message);

}  // namespace tamsendor::win32

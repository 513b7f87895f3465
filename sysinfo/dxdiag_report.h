#pragma once

#include <string_view>

#include "sysinfo/directx_facts.h"

namespace tamsendor::sysinfo {

// What the DirectX diagnostic tool's text report says about the graphics card and the sound
// device, read with the four searches, in this order, each going on from the line where the one
// before stopped: "Card name:", "Display Memory:", "Driver Version:", then the first
// "Description:" after those, which is the first sound device. The searches go through the
// report once: the time is linear in its size.
//
// A line's value is the text after its first "=", or the line without its first character, and
// following lines are compared with their leading blanks removed; a key matches anywhere in the
// value, in any letter case. The card name, memory and driver version keep the blank after the
// key's colon; the sound loses it. A key the report does not hold (Wine's tool writes no display
// section) reads "indeterminable", and the next search goes on from where that one began.
// `text` is UTF-8, with CR LF, LF or CR line ends.
DirectXFacts ReadDxDiagReport(std::string_view text);

}  // namespace tamsendor::sysinfo

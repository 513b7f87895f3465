#pragma once

#include <windows.h>

#include <string>

namespace tamsendor::win32 {

struct ArtState {
  bool hot = false;  // the pointer is over it
  bool pressed = false;
  bool enabled = true;
  bool flat = false;  // a flat button shows only its glyph until the pointer is over it
};

// The program's pictures, painted by name (the Picture of images and picture buttons). A name it
// does not know paints nothing.
class Artwork {
 public:
  virtual ~Artwork() = default;
  virtual void Paint(const std::string& picture, HDC dc, const RECT& area,
                     const ArtState& state) const = 0;
};

}  // namespace tamsendor::win32

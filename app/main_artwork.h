#pragma once

#include "platform/win32/controls/artwork.h"

namespace tamsendor::app {

// The program's own pictures, drawn with GDI: the main window's background ("main background")
// the glyphs of its window buttons ("minimize", "close") and the Run button's face ("run").
class MainArtwork : public win32::Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area,
             const win32::ArtState& state) const override;
};

}  // namespace tamsendor::app

#pragma once

#include <string>
#include <vector>

#include "platform/win32/controls/artwork.h"

namespace tamsendor::win32::artwork {

// The program's own pictures, drawn with GDI: the main window's background ("main background")
// the glyphs of its window buttons ("minimize", "close"), the Run button's face ("run"), the
// browse buttons' folder ("folder", "open folder"), the link buttons ("update", "site",
// "help"), the divider beside the group bar ("separator"), the picture shown while no page is
// open ("welcome") and the custom resolution picker's background ("picker background").
class MainArtwork : public win32::Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area,
             const win32::ArtState& state) const override;

  // The names Paint draws; any other name paints nothing.
  static std::vector<std::string> PictureNames();
};

}  // namespace tamsendor::win32::artwork

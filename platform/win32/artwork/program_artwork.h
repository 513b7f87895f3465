#pragma once

#include <string>
#include <vector>

#include "platform/win32/artwork/main_artwork.h"
#include "platform/win32/controls/artwork.h"

namespace tamsendor::win32::artwork {

// Every picture of the program: the about box's own and the main window's.
class ProgramArtwork : public win32::Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area,
             const win32::ArtState& state) const override;

  // Every name Paint draws, the about box's and the main window's; any other name paints
  // nothing.
  static std::vector<std::string> PictureNames();

 private:
  MainArtwork main_;
};

}  // namespace tamsendor::win32::artwork

#pragma once

#include "platform/win32/artwork/main_artwork.h"
#include "platform/win32/controls/artwork.h"

namespace tamsendor::win32::artwork {

// Every picture of the program: the about box's own and the main window's.
class ProgramArtwork : public win32::Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area,
             const win32::ArtState& state) const override;

 private:
  MainArtwork main_;
};

}  // namespace tamsendor::win32::artwork

#pragma once

#include "app/main_artwork.h"
#include "platform/win32/controls/artwork.h"

namespace tamsendor::app {

// Every picture of the program: the about box's own and the main window's.
class ProgramArtwork : public win32::Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area,
             const win32::ArtState& state) const override;

 private:
  MainArtwork main_;
};

}  // namespace tamsendor::app

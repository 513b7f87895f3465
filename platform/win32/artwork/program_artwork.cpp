#include "platform/win32/artwork/program_artwork.h"

#include "platform/win32/artwork/about_artwork.h"

namespace tamsendor::win32::artwork {

namespace {

constexpr const char* kAboutPicture = "about";

}  // namespace

void ProgramArtwork::Paint(const std::string& picture, HDC dc, const RECT& area,
                           const win32::ArtState& state) const {
  if (picture == kAboutPicture)
    PaintAboutPicture(dc, area);
  else
    main_.Paint(picture, dc, area, state);
}

std::vector<std::string> ProgramArtwork::PictureNames() {
  std::vector<std::string> names = MainArtwork::PictureNames();
  names.emplace_back(kAboutPicture);
  return names;
}

}  // namespace tamsendor::win32::artwork

#include "platform/win32/artwork/program_artwork.h"

#include "platform/win32/artwork/about_artwork.h"

namespace tamsendor::win32::artwork {

void ProgramArtwork::Paint(const std::string& picture, HDC dc, const RECT& area,
                           const win32::ArtState& state) const {
  if (picture == "about")
    PaintAboutPicture(dc, area);
  else
    main_.Paint(picture, dc, area, state);
}

}  // namespace tamsendor::win32::artwork

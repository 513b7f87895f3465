#include "app/program_artwork.h"

#include "app/about_artwork.h"

namespace tamsendor::app {

void ProgramArtwork::Paint(const std::string& picture, HDC dc, const RECT& area,
                           const win32::ArtState& state) const {
  if (picture == "about")
    PaintAboutPicture(dc, area);
  else
    main_.Paint(picture, dc, area, state);
}

}  // namespace tamsendor::app

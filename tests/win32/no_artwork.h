#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/controls/artwork.h"

namespace tamsendor::testing {

// Artwork that paints nothing, for tests of what the controls do rather than how they look.
class NoArtwork : public win32::Artwork {
 public:
  void Paint(const std::string&, HDC, const RECT&, const win32::ArtState&) const override {}
};

}  // namespace tamsendor::testing

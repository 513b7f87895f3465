#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/display.h"

namespace tamsendor::app {

// The distinct "W x H" texts of the primary display's modes, in the driver's order: a size
// offered at several colour depths or refresh rates is listed once.
std::vector<std::string> BuildDisplayModeList(const platform::DisplayModes& display);

// The width and the height of a "W x H" text, as the texts on either side of the " x ";
// nullopt for a text that has none.
struct ModeSize {
  std::string width;
  std::string height;
};
std::optional<ModeSize> SplitModeText(const std::string& modeText);

// Whether a "W x H" text is offered: it must be one whole entry of the list. A part of an entry
// does not count ("80 x 1024" is not offered by "1280 x 1024"), nor does text that runs over
// into the next entry.
class OfferedModes {
 public:
  explicit OfferedModes(std::vector<std::string> displayModeList)
      : modes_(std::move(displayModeList)) {}
  bool Offers(const std::string& modeText) const;

 private:
  std::vector<std::string> modes_;
};

}  // namespace tamsendor::app

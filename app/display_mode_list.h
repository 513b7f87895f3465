#pragma once

#include <optional>
#include <string>
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

// Whether a "W x H" text is offered: it is looked for in the list's entries joined line by line,
// as one text.
class OfferedModes {
 public:
  explicit OfferedModes(const std::vector<std::string>& displayModeList);
  bool Offers(const std::string& modeText) const;

 private:
  std::string joined_;
};

}  // namespace tamsendor::app

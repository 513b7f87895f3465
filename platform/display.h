#pragma once

#include <vector>

namespace tamsendor::platform {

struct DisplayMode {
  int width = 0;
  int height = 0;
};

// The primary display's modes, in the order the driver lists them (the same size appears once per
// colour depth and refresh rate).
class DisplayModes {
 public:
  virtual ~DisplayModes() = default;
  virtual std::vector<DisplayMode> PrimaryModes() const = 0;
};

}  // namespace tamsendor::platform

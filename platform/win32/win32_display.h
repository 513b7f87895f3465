#pragma once

#include "platform/display.h"

namespace tamsendor::win32 {

class Win32DisplayModes : public platform::DisplayModes {
 public:
  std::vector<platform::DisplayMode> PrimaryModes() const override;
};

}  // namespace tamsendor::win32

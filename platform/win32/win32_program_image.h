#pragma once

#include "platform/program_image.h"

namespace tamsendor::win32 {

class Win32ProgramImage : public platform::ProgramImage {
 public:
  std::string ExecutablePath() const override;
};

}  // namespace tamsendor::win32

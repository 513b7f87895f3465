#pragma once

#include <string>

#include "platform/program_image.h"

namespace tamsendor::win32 {

class Win32ProgramImage : public platform::ProgramImage {
 public:
  std::string ExecutablePath() const override;
  std::string FileVersion() const override;
};

// The file version in the version resource of any executable file, as "1.2.0.0"; empty when the
// file has no version resource or cannot be read.
std::string ReadFileVersion(const std::string& path);

}  // namespace tamsendor::win32

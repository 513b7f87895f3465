#pragma once

#include <string>

#include "platform/program_image.h"

namespace tamsendor::fakes {

class FakeProgramImage : public platform::ProgramImage {
 public:
  std::string path = "C:\\Program Files\\Korvalin Tamsendor\\tamsendor.exe";
  std::string version = "1.2.0.0";
  std::string ExecutablePath() const override { return path; }
  std::string FileVersion() const override { return version; }
};

}  // namespace tamsendor::fakes

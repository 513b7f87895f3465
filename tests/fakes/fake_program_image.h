#pragma once

#include <string>

#include "platform/program_image.h"

namespace tamsendor::fakes {

class FakeProgramImage : public platform::ProgramImage {
 public:
  std::string path = "C:\\Program Files\\Korvalin Tamsendor\\tamsendor.exe";
  std::string ExecutablePath() const override { return path; }
};

}  // namespace tamsendor::fakes

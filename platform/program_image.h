#pragma once

#include <string>

namespace tamsendor::platform {

// This program's own executable file.
class ProgramImage {
 public:
  virtual ~ProgramImage() = default;
  // The full path of the running executable ("C:\Program Files\Korvalin Tamsendor\tamsendor.exe").
  virtual std::string ExecutablePath() const = 0;
  // The file version of its version resource, as "1.2.0.0"; empty when it has none.
  virtual std::string FileVersion() const = 0;
};

}  // namespace tamsendor::platform

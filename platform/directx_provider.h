#pragma once

#include <string>

namespace tamsendor::platform {

// What the system's DirectX diagnostic provider tells of the first display device and the first
// sound device. Texts are UTF-8; a text the provider does not give is empty.
struct DirectXDevices {
  std::string CardName;
  std::string DisplayMemory;
  std::string DriverVersion;
  std::string SoundDescription;
};

// The provider the DirectX diagnostic tool itself asks, for where the tool's text report lacks a
// fact (the tool is missing, or writes no display section).
class DirectXProvider {
 public:
  virtual ~DirectXProvider() = default;
  virtual DirectXDevices Query() = 0;
};

}  // namespace tamsendor::platform

#pragma once

#include <cstdint>

namespace tamsendor::platform {

// A wait of a fraction of a second on the spot, for the rare step that must let the file system
// settle before the next one and cannot be split by a timer (it may run while the program
// closes).
class ShortWait {
 public:
  virtual ~ShortWait() = default;
  virtual void Wait(std::uint32_t milliseconds) = 0;
};

}  // namespace tamsendor::platform

#pragma once

#include <optional>

namespace tamsendor::platform {

// Whether the machine is connected, as the system sees it.
class OnlineCheck {
 public:
  virtual ~OnlineCheck() = default;
  // True when offline, false when online; nothing when the system offers no way to tell.
  virtual std::optional<bool> IsOffline() = 0;
};

}  // namespace tamsendor::platform

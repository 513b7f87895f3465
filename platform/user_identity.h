#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tamsendor::platform {

// A security identifier as the system holds it.
struct SidParts {
  std::array<std::uint8_t, 6> authority{};  // most significant byte first
  std::vector<std::uint32_t> subAuthorities;
};

// Who this program runs as.
class UserIdentity {
 public:
  virtual ~UserIdentity() = default;
  // The user of the calling thread's own token, or of the process's when the thread has none;
  // nullopt when the system does not tell.
  virtual std::optional<SidParts> TokenUser() const = 0;
};

}  // namespace tamsendor::platform

#pragma once

#include "platform/user_identity.h"

namespace tamsendor::win32 {

class Win32UserIdentity : public platform::UserIdentity {
 public:
  std::optional<platform::SidParts> TokenUser() const override;
};

}  // namespace tamsendor::win32

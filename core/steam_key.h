#pragma once

#include <string_view>

#include "platform/registry.h"

namespace tamsendor::core {

// The Steam client's own key; its "SteamPath" names the client's folder with "/" separators.
// Only read, never written.
inline constexpr platform::RegistryRoot kSteamRoot = platform::RegistryRoot::CurrentUser;
inline constexpr char kSteamKey[] = "\\Software\\Valve\\Steam";

}  // namespace tamsendor::core

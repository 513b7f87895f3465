#pragma once

#include <string_view>

#include "platform/registry.h"

namespace tamsendor::bench {

// The program's own settings, under HKEY_LOCAL_MACHINE. The installer creates the key; the
// program never does, and skips every read and write when it is missing.
inline constexpr platform::RegistryRoot kProductRoot = platform::RegistryRoot::LocalMachine;
inline constexpr std::string_view kProductKey = "SOFTWARE\\Korvalin\\Quillax";

}  // namespace tamsendor::bench

#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tamsendor::core {

// The program's own settings, under HKEY_LOCAL_MACHINE. The installer creates the key; the
// program never does, and skips every read and write when it is missing.
inline constexpr platform::RegistryRoot kProductRoot = platform::RegistryRoot::LocalMachine;
inline constexpr std::string_view kProductKey = "SOFTWARE\\Korvalin\\Quillax";

inline bool ProductKeyExists(const platform::Registry& registry) {
  return registry.KeyExists(kProductRoot, std::string(kProductKey));
}

// Every stored value is text; a missing key or value reads as the empty text.
inline std::string ReadProductValue(const platform::Registry& registry, std::string_view name) {
  return registry.ReadString(kProductRoot, std::string(kProductKey), std::string(name))
      .value_or("");
}

// Writes nothing when the key is missing; false when nothing was written. The key is looked for
// here rather than left to the write to refuse: without it the program has no settings to keep.
inline bool WriteProductValue(platform::Registry& registry, std::string_view name,
                              const std::string& value) {
  if (!ProductKeyExists(registry))
    return false;
  return registry.WriteString(kProductRoot, std::string(kProductKey), std::string(name), value);
}

}  // namespace tamsendor::core

#pragma once

#include "platform/registry.h"

namespace tamsendor::win32 {

// The system registry. Keys are opened per operation and never created; the program's own view
// of the registry (64-bit) is used.
class Win32Registry : public platform::Registry {
 public:
  bool KeyExists(platform::RegistryRoot root, const std::string& key) const override;
  bool ValueExists(platform::RegistryRoot root, const std::string& key,
                   const std::string& name) const override;
  std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                        const std::string& name) const override;
  std::optional<std::uint32_t> ReadDword(platform::RegistryRoot root, const std::string& key,
                                         const std::string& name) const override;
  bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& value) override;
  bool WriteDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                  std::uint32_t value) override;
};

}  // namespace tamsendor::win32

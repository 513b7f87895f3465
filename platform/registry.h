#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tamsendor::platform {

enum class RegistryRoot { LocalMachine, CurrentUser, Users };

// The system registry as this program uses it: every operation opens its key itself and never
// creates one, so a missing key simply means nothing is read or written. Key paths use "\" and
// may start with one ("\Software\Valve\Steam"); names are compared without regard to case.
class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(RegistryRoot root, const std::string& key) const = 0;
  virtual bool ValueExists(RegistryRoot root, const std::string& key,
                           const std::string& name) const = 0;

  // nullopt when the key or the value is missing or holds another type.
  virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                const std::string& name) const = 0;
  virtual std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::string& key,
                                                 const std::string& name) const = 0;

  // false when the key is missing (it is not created) or the write is refused.
  virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  virtual bool WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                          std::uint32_t value) = 0;
};

}  // namespace tamsendor::platform

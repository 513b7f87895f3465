#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "platform/registry.h"

namespace tamsendor::fakes {

// The registry in memory. Keys exist only when a test creates them, as on a machine where an
// installer did; names are compared without regard to case, like the real one.
class FakeRegistry : public platform::Registry {
 public:
  void CreateKey(platform::RegistryRoot root, const std::string& key);
  void DeleteKey(platform::RegistryRoot root, const std::string& key);
  // Makes every later write fail (a key opened read-only, a policy), reads still work.
  void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }
  // The names of the values written, in order, under any key.
  std::vector<std::string> writes;
  // Every write asked for, refused or not: a missing key or a refusal does not hide that the
  // program tried.
  int attemptedWrites = 0;
  // Runs before every write: a test can stop the program between any two of them.
  std::function<void()> beforeChange;

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

 private:
  using Value = std::variant<std::string, std::uint32_t>;
  using Values = std::map<std::string, Value>;  // by folded name
  using KeyId = std::tuple<platform::RegistryRoot, std::string>;

  static KeyId Id(platform::RegistryRoot root, const std::string& key);
  const Value* Find(platform::RegistryRoot root, const std::string& key,
                    const std::string& name) const;

  std::map<KeyId, Values> keys_;
  bool refuseWrites_ = false;
};

}  // namespace tamsendor::fakes

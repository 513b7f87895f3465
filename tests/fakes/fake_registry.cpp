#include "tests/fakes/fake_registry.h"

#include "platform/path_text.h"

namespace tamsendor::fakes {

using platform::RegistryRoot;

FakeRegistry::KeyId FakeRegistry::Id(RegistryRoot root, const std::string& key) {
  std::string folded = platform::FoldCase(key);
  while (!folded.empty() && folded.front() == '\\')
    folded.erase(folded.begin());
  while (!folded.empty() && folded.back() == '\\')
    folded.pop_back();
  return {root, folded};
}

void FakeRegistry::CreateKey(RegistryRoot root, const std::string& key) {
  keys_[Id(root, key)];
}

void FakeRegistry::DeleteKey(RegistryRoot root, const std::string& key) {
  keys_.erase(Id(root, key));
}

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& key) const {
  return keys_.count(Id(root, key)) > 0;
}

const FakeRegistry::Value* FakeRegistry::Find(RegistryRoot root, const std::string& key,
                                              const std::string& name) const {
  const auto k = keys_.find(Id(root, key));
  if (k == keys_.end())
    return nullptr;
  const auto v = k->second.find(platform::FoldCase(name));
  return v == k->second.end() ? nullptr : &v->second;
}

bool FakeRegistry::ValueExists(RegistryRoot root, const std::string& key,
                               const std::string& name) const {
  return Find(root, key, name) != nullptr;
}

std::optional<std::string> FakeRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                    const std::string& name) const {
  const Value* value = Find(root, key, name);
  if (value == nullptr || !std::holds_alternative<std::string>(*value))
    return std::nullopt;
  return std::get<std::string>(*value);
}

std::optional<std::uint32_t> FakeRegistry::ReadDword(RegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
  const Value* value = Find(root, key, name);
  if (value == nullptr || !std::holds_alternative<std::uint32_t>(*value))
    return std::nullopt;
  return std::get<std::uint32_t>(*value);
}

bool FakeRegistry::WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::string& value) {
  ++attemptedWrites;
  if (beforeChange)
    beforeChange();
  const auto k = keys_.find(Id(root, key));
  if (k == keys_.end() || refuseWrites_)
    return false;
  writes.push_back(name);
  k->second[platform::FoldCase(name)] = value;
  return true;
}

bool FakeRegistry::WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                              std::uint32_t value) {
  ++attemptedWrites;
  if (beforeChange)
    beforeChange();
  const auto k = keys_.find(Id(root, key));
  if (k == keys_.end() || refuseWrites_)
    return false;
  writes.push_back(name);
  k->second[platform::FoldCase(name)] = value;
  return true;
}

}  // namespace tamsendor::fakes

#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

using platform::RegistryRoot;

namespace {

HKEY RootHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::Users:
      return HKEY_USERS;
  }
  return HKEY_CURRENT_USER;
}

std::wstring SubKey(const std::string& key) {
  std::string trimmed = key;
  while (!trimmed.empty() && trimmed.front() == '\\')
    trimmed.erase(trimmed.begin());
  return Widen(trimmed);
}

// An existing key opened with `access`; holds nothing when it cannot be opened.
RegistryKey OpenKey(RegistryRoot root, const std::string& key, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(RootHandle(root), SubKey(key).c_str(), 0, access, &opened) != ERROR_SUCCESS)
    return {};
  return RegistryKey(opened);
}

}  // namespace

bool Win32Registry::KeyExists(RegistryRoot root, const std::string& key) const {
  return OpenKey(root, key, KEY_READ).valid();
}

bool Win32Registry::ValueExists(RegistryRoot root, const std::string& key,
                                const std::string& name) const {
  const RegistryKey opened = OpenKey(root, key, KEY_READ);
  if (!opened.valid())
    return false;
  return RegQueryValueExW(opened.get(), Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
  const RegistryKey opened = OpenKey(root, key, KEY_READ);
  if (!opened.valid())
    return std::nullopt;
  const std::wstring valueName = Widen(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(opened.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  // The value may change between the two calls; grow and ask again.
  std::vector<wchar_t> buffer;
  LONG status = ERROR_MORE_DATA;
  while (status == ERROR_MORE_DATA) {
    buffer.assign(size / sizeof(wchar_t) + 2, L'\0');
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = RegQueryValueExW(opened.get(), valueName.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
  }
  if (status != ERROR_SUCCESS)
    return std::nullopt;
  // Stored strings need not carry their terminating zero.
  std::size_t length = size / sizeof(wchar_t);
  while (length > 0 && buffer[length - 1] == L'\0')
    --length;
  return Narrow(std::wstring_view(buffer.data(), length));
}

std::optional<std::uint32_t> Win32Registry::ReadDword(RegistryRoot root, const std::string& key,
                                                      const std::string& name) const {
  const RegistryKey opened = OpenKey(root, key, KEY_READ);
  if (!opened.valid())
    return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegQueryValueExW(opened.get(), Widen(name).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

bool Win32Registry::WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
  const RegistryKey opened = OpenKey(root, key, KEY_SET_VALUE);
  if (!opened.valid())
    return false;
  const std::wstring wide = Widen(value);
  const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(opened.get(), Widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                               std::uint32_t value) {
  const RegistryKey opened = OpenKey(root, key, KEY_SET_VALUE);
  if (!opened.valid())
    return false;
  const DWORD data = value;
  return RegSetValueExW(opened.get(), Widen(name).c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

}  // namespace tamsendor::win32

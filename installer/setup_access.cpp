// Run by the installer, with its administrator rights, so that the program can work without
// them: it creates the program's registry key (in the 64-bit view) and lets the Users group
// write to it, where the program stores every choice; and it lets Users modify the default
// results folder, where the program saves its reports. Program Files and HKEY_LOCAL_MACHINE are
// read-only for a standard user otherwise. Nothing else is opened up.
//
// Usage: tamsendor_setup_access.exe RESULTS_FOLDER
// Exit codes: 0 done; 2 usage; 3 the key; 4 the key's access; 5 the folder; 6 the folder's access.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <string>

namespace {

constexpr const wchar_t* kProductKey = L"SOFTWARE\\Korvalin\\Quillax";

// Adds an entry that grants the Users group `rights` to the object's own access list, inherited
// as `inheritance` says. What the list granted before stays.
bool GrantUsers(const wchar_t* name, SE_OBJECT_TYPE type, DWORD rights, DWORD inheritance) {
  BYTE usersSid[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof(usersSid);
  if (!CreateWellKnownSid(WinBuiltinUsersSid, nullptr, usersSid, &sidSize))
    return false;

  PACL current = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(name, type, DACL_SECURITY_INFORMATION, nullptr, nullptr, &current,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return false;

  EXPLICIT_ACCESS_W entry{};
  entry.grfAccessPermissions = rights;
  entry.grfAccessMode = GRANT_ACCESS;
  entry.grfInheritance = inheritance;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  entry.Trustee.ptstrName = reinterpret_cast<LPWSTR>(usersSid);

  PACL updated = nullptr;
  bool granted = SetEntriesInAclW(1, &entry, current, &updated) == ERROR_SUCCESS;
  if (granted) {
    granted = SetNamedSecurityInfoW(const_cast<LPWSTR>(name), type, DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, updated, nullptr) == ERROR_SUCCESS;
    LocalFree(updated);
  }
  LocalFree(descriptor);
  return granted;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2)
    return 2;
  const wchar_t* results = argv[1];

  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return 3;
  RegCloseKey(key);
  // This program is 64-bit, so the name reaches the 64-bit view the program itself uses.
  const std::wstring keyName = std::wstring(L"MACHINE\\") + kProductKey;
  if (!GrantUsers(keyName.c_str(), SE_REGISTRY_KEY, KEY_READ | KEY_WRITE, CONTAINER_INHERIT_ACE))
    return 4;

  if (!CreateDirectoryW(results, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return 5;
  // "Modify": read, write, run and delete, for the folder and all it will hold.
  const DWORD modify = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
  if (!GrantUsers(results, SE_FILE_OBJECT, modify, SUB_CONTAINERS_AND_OBJECTS_INHERIT))
    return 6;
  return 0;
}

// Prints what the access list of a registry key or a folder grants the Users group, for the
// installer's test: "<allowed mask in hex> <inheritance flags in hex>", both 0 when nothing.
// Usage: access_probe.exe key|file NAME   (a key as MACHINE\SOFTWARE\..., in the 64-bit view)
#include <windows.h>
#include <aclapi.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3)
    return 2;
  const SE_OBJECT_TYPE type = std::wcscmp(argv[1], L"key") == 0 ? SE_REGISTRY_KEY : SE_FILE_OBJECT;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(argv[2], type, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return 3;
  BYTE users[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof(users);
  CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &size);

  ACCESS_MASK allowed = 0;
  BYTE inheritance = 0;
  for (DWORD i = 0; dacl != nullptr && i < dacl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(dacl, i, &ace))
      continue;
    const auto* header = static_cast<const ACE_HEADER*>(ace);
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
      continue;
    const auto* allowedAce = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
    if (!EqualSid(const_cast<DWORD*>(&allowedAce->SidStart), users))
      continue;
    allowed |= allowedAce->Mask;
    inheritance |= header->AceFlags;
  }
  std::printf("%08lx %02x\n", static_cast<unsigned long>(allowed), inheritance);
  LocalFree(descriptor);
  return 0;
}

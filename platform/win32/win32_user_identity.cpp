#include "platform/win32/win32_user_identity.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"

namespace tamsendor::win32 {

namespace {

// The thread's own token when it impersonates, else the process's; nothing when neither opens.
Handle QueryToken() {
  HANDLE token = nullptr;
  if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token) ||
      OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return Handle(token);
  return {};
}

}  // namespace

std::optional<platform::SidParts> Win32UserIdentity::TokenUser() const {
  const Handle token = QueryToken();
  if (!token.valid())
    return std::nullopt;
  DWORD size = 0;
  GetTokenInformation(token.get(), ::TokenUser, nullptr, 0, &size);
  if (size == 0)
    return std::nullopt;
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token.get(), ::TokenUser, buffer.data(), size, &size))
    return std::nullopt;
  const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
  if (!IsValidSid(sid))
    return std::nullopt;

  platform::SidParts parts;
  const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
  for (std::size_t i = 0; i < parts.authority.size(); ++i)
    parts.authority[i] = authority->Value[i];
  const UCHAR count = *GetSidSubAuthorityCount(sid);
  for (UCHAR i = 0; i < count; ++i)
    parts.subAuthorities.push_back(*GetSidSubAuthority(sid, i));
  return parts;
}

}  // namespace tamsendor::win32

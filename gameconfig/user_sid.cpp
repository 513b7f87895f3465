#include "gameconfig/user_sid.h"

#include <cstdio>

namespace tamsendor::gameconfig {

std::string FormatSid(const platform::SidParts& sid) {
  const auto& a = sid.authority;
  std::string text = "S-1-";
  char buffer[32];
  if (a[0] != 0 || a[1] != 0) {
    std::snprintf(buffer, sizeof buffer, "0x%.2x%.2x%.2x%.2x%.2x%.2x", a[0], a[1], a[2], a[3], a[4],
                  a[5]);
    text += buffer;
  } else {
    const std::uint32_t value = (std::uint32_t{a[2]} << 24) | (std::uint32_t{a[3]} << 16) |
                                (std::uint32_t{a[4]} << 8) | std::uint32_t{a[5]};
    text += std::to_string(value);
  }
  for (std::uint32_t sub : sid.subAuthorities) {
    text += '-';
    text += std::to_string(sub);
  }
  return text;
}

std::string ReadUserSid(const platform::UserIdentity& identity) {
  const auto sid = identity.TokenUser();
  return sid ? FormatSid(*sid) : std::string();
}

}  // namespace tamsendor::gameconfig

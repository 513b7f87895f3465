#pragma once

#include <string>

#include "platform/user_identity.h"

namespace tamsendor::gameconfig {

// A SID in its standard text form: "S-1-", the identifier authority in decimal (or "0x" and
// twelve hexadecimal digits when either of its two top bytes is set), then "-" and each
// sub-authority in decimal ("S-1-5-21-1004336348-1177238915-682003330-512").
std::string FormatSid(const platform::SidParts& sid);

// The running user's SID as text; empty when the system does not tell.
std::string ReadUserSid(const platform::UserIdentity& identity);

}  // namespace tamsendor::gameconfig

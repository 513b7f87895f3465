#pragma once

#include <string>
#include <string_view>

namespace tamsendor::update {

// The SHA-256 digest of `bytes` as 64 lower-case hex digits (FIPS 180-4).
std::string Sha256Hex(std::string_view bytes);

}  // namespace tamsendor::update

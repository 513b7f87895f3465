#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "json/json_value.h"

namespace tamsendor::json {

// Arrays and objects nest at most this deep; deeper text is refused rather than read with a
// stack that grows with the input.
inline constexpr int kMaxDepth = 64;

// Reads one JSON text (RFC 8259), strictly: a UTF-8 byte order mark is skipped, but comments,
// trailing commas, single quotes, invalid UTF-8, unpaired surrogate escapes, a key twice in one
// object, numbers a double cannot hold and anything after the value are refused. nullopt when
// refused; `error`, when given, then says where and why ("at byte 12: ...").
std::optional<Value> Read(std::string_view text, std::string* error = nullptr);

}  // namespace tamsendor::json

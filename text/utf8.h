#pragma once

#include <string>
#include <string_view>

namespace tamsendor::text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the character at `at` (which must be inside `text`) and moves past it. A byte that
// does not start a valid sequence (a stray continuation byte, a cut or overlong sequence, a
// surrogate, a value past U+10FFFF) gives U+FFFD and moves one byte on.
char32_t NextCharacter(std::string_view text, std::size_t& at);

// Appends a code point as UTF-8; one that is no character (a surrogate, beyond U+10FFFF) is
// appended as U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// Whether every byte of `text` belongs to a valid UTF-8 sequence.
bool IsValidUtf8(std::string_view text);

}  // namespace tamsendor::text

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::steam {

// One entry of a KeyValues text, the format of Steam's .vdf and .acf files: a key with either a
// text value or a block of entries.
struct KeyValue {
  std::string key;
  std::string value;  // empty for a block
  bool isBlock = false;
  std::vector<KeyValue> children;

  // The first child whose key matches without regard to case; null when there is none.
  const KeyValue* Find(std::string_view name) const;
};

// The first of `entries` whose key matches `name` without regard to case; null when none does.
const KeyValue* FindEntry(const std::vector<KeyValue>& entries, std::string_view name);

// The longest text read, and the deepest nesting taken: anything beyond is not Steam's.
inline constexpr std::size_t kKeyValuesLimit = 1024 * 1024;
inline constexpr int kKeyValuesDepth = 32;

// Reads a KeyValues text: keys and values quoted ("...", with \\, \", \n and \t escapes) or bare
// words; blocks in braces; // comments to the end of the line; conditions in brackets after an
// entry ([$WIN32]) are skipped. Strict: a text that ends inside a string or a block, a key
// without a value, a stray brace, a text longer than kKeyValuesLimit or nested deeper than
// kKeyValuesDepth gives nullopt. The entries at the top level are returned in order.
std::optional<std::vector<KeyValue>> ReadKeyValues(std::string_view text);

}  // namespace tamsendor::steam

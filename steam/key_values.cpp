#include "steam/key_values.h"

namespace tamsendor::steam {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
    if (x != y)
      return false;
  }
  return true;
}

enum class TokenKind { Text, Open, Close, End, Bad };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The entries up to the end of the text (depth 0) or to the closing brace of a block.
  std::optional<std::vector<KeyValue>> Entries(int depth) {
    if (depth > kKeyValuesDepth)
      return std::nullopt;
    std::vector<KeyValue> entries;
    for (;;) {
      Token key = Next();
      if (key.kind == TokenKind::End)
        return depth == 0 ? std::optional(std::move(entries)) : std::nullopt;
      if (key.kind == TokenKind::Close)
        return depth > 0 ? std::optional(std::move(entries)) : std::nullopt;
      if (key.kind != TokenKind::Text)
        return std::nullopt;
      KeyValue entry;
      entry.key = std::move(key.text);
      Token value = Next();
      if (value.kind == TokenKind::Text) {
        entry.value = std::move(value.text);
      } else if (value.kind == TokenKind::Open) {
        auto children = Entries(depth + 1);
        if (!children)
          return std::nullopt;
        entry.isBlock = true;
        entry.children = std::move(*children);
      } else {
        return std::nullopt;
      }
      SkipCondition();
      entries.push_back(std::move(entry));
    }
  }

 private:
  void SkipBlanksAndComments() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++at_;
      } else if (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/') {
        const std::size_t end = text_.find('\n', at_);
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
      } else {
        return;
      }
    }
  }

  // A condition such as [$WIN32] after an entry is not part of it.
  void SkipCondition() {
    SkipBlanksAndComments();
    if (at_ < text_.size() && text_[at_] == '[') {
      const std::size_t end = text_.find(']', at_);
      at_ = end == std::string_view::npos ? text_.size() : end + 1;
    }
  }

  Token Next() {
    SkipBlanksAndComments();
    if (at_ >= text_.size())
      return {TokenKind::End, {}};
    const char c = text_[at_];
    if (c == '{') {
      ++at_;
      return {TokenKind::Open, {}};
    }
    if (c == '}') {
      ++at_;
      return {TokenKind::Close, {}};
    }
    if (c == '"')
      return Quoted();
    // A bare word, up to a blank, a brace or a quote.
    std::string word;
    while (at_ < text_.size()) {
      const char w = text_[at_];
      if (w == ' ' || w == '\t' || w == '\r' || w == '\n' || w == '{' || w == '}' || w == '"')
        break;
      word += w;
      ++at_;
    }
    return {TokenKind::Text, std::move(word)};
  }

  Token Quoted() {
    ++at_;  // the opening quote
    std::string text;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"')
        return {TokenKind::Text, std::move(text)};
      if (c != '\\' || at_ >= text_.size()) {
        text += c;
        continue;
      }
      const char escaped = text_[at_++];
      switch (escaped) {
        case 'n':
          text += '\n';
          break;
        case 't':
          text += '\t';
          break;
        case '\\':
        case '"':
          text += escaped;
          break;
        default:
          // Not an escape Steam writes: both characters as they stand.
          text += '\\';
          text += escaped;
      }
    }
    return {TokenKind::Bad, {}};  // the text ended inside the string
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

const KeyValue* FindEntry(const std::vector<KeyValue>& entries, std::string_view name) {
  for (const KeyValue& entry : entries)
    if (SameText(entry.key, name))
      return &entry;
  return nullptr;
}

const KeyValue* KeyValue::Find(std::string_view name) const {
  return FindEntry(children, name);
}

std::optional<std::vector<KeyValue>> ReadKeyValues(std::string_view text) {
  if (text.size() > kKeyValuesLimit)
    return std::nullopt;
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  return Reader(text).Entries(0);
}

}  // namespace tamsendor::steam

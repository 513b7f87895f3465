#include "json/json_reader.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

#include "text/utf8.h"

namespace tamsendor::json {

namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<Value> ReadDocument() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF")
      at_ = 3;
    Value value;
    if (!ReadValue(value, 0))
      return std::nullopt;
    SkipSpace();
    if (at_ != text_.size())
      return Fail("text after the value");
    return value;
  }

  const std::string& Error() const { return error_; }

 private:
  std::nullopt_t Fail(const char* why) {
    if (error_.empty())
      error_ = "at byte " + std::to_string(at_) + ": " + why;
    return std::nullopt;
  }

  bool Refuse(const char* why) {
    Fail(why);
    return false;
  }

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  bool Next(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word)
      return false;
    at_ += word.size();
    return true;
  }

  bool ReadValue(Value& value, int depth) {
    SkipSpace();
    if (at_ >= text_.size())
      return Refuse("a value is missing");
    const char c = text_[at_];
    if (c == '{' || c == '[') {
      if (depth >= kMaxDepth)
        return Refuse("nested too deep");
      return c == '{' ? ReadObject(value, depth + 1) : ReadArray(value, depth + 1);
    }
    if (c == '"') {
      value = Value::String({});
      return ReadString(value.text);
    }
    if (c == '-' || (c >= '0' && c <= '9'))
      return ReadNumber(value);
    if (Word("true")) {
      value = Value::Bool(true);
      return true;
    }
    if (Word("false")) {
      value = Value::Bool(false);
      return true;
    }
    if (Word("null")) {
      value = Value::Null();
      return true;
    }
    return Refuse("not a value");
  }

  bool ReadObject(Value& value, int depth) {
    value = Value::Object();
    ++at_;  // {
    SkipSpace();
    if (Next('}'))
      return true;
    std::unordered_set<std::string> seen;  // a set, so that many members do not take quadratic time
    for (;;) {
      SkipSpace();
      if (at_ >= text_.size() || text_[at_] != '"')
        return Refuse("a member name is missing");
      std::string key;
      if (!ReadString(key))
        return false;
      if (!seen.insert(key).second)
        return Refuse("a member name is used twice");
      SkipSpace();
      if (!Next(':'))
        return Refuse("':' is missing");
      Value member;
      if (!ReadValue(member, depth))
        return false;
      value.keys.push_back(std::move(key));
      value.items.push_back(std::move(member));
      SkipSpace();
      if (Next('}'))
        return true;
      if (!Next(','))
        return Refuse("',' or '}' is missing");
    }
  }

  bool ReadArray(Value& value, int depth) {
    value = Value::Array();
    ++at_;  // [
    SkipSpace();
    if (Next(']'))
      return true;
    for (;;) {
      Value element;
      if (!ReadValue(element, depth))
        return false;
      value.items.push_back(std::move(element));
      SkipSpace();
      if (Next(']'))
        return true;
      if (!Next(','))
        return Refuse("',' or ']' is missing");
    }
  }

  bool ReadHex4(char32_t& unit) {
    if (at_ + 4 > text_.size())
      return false;
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      int digit = 0;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        return false;
      unit = unit * 16 + static_cast<char32_t>(digit);
    }
    return true;
  }

  bool ReadEscape(std::string& out) {
    if (at_ >= text_.size())
      return Refuse("the string is not closed");
    const char c = text_[at_++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        return Refuse("an unknown escape");
    }
    char32_t unit = 0;
    if (!ReadHex4(unit))
      return Refuse("a \\u escape needs four hex digits");
    if (unit >= 0xDC00 && unit <= 0xDFFF)
      return Refuse("a low surrogate without its high one");
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      char32_t low = 0;
      if (!Word("\\u") || !ReadHex4(low) || low < 0xDC00 || low > 0xDFFF)
        return Refuse("a high surrogate without its low one");
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    text::AppendUtf8(out, unit);
    return true;
  }

  bool ReadString(std::string& out) {
    ++at_;  // "
    for (;;) {
      if (at_ >= text_.size())
        return Refuse("the string is not closed");
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c == '\\') {
        ++at_;
        if (!ReadEscape(out))
          return false;
        continue;
      }
      if (c < 0x20)
        return Refuse("a control character in a string");
      const std::size_t from = at_;
      if (text::NextCharacter(text_, at_) == text::kReplacementCharacter && at_ - from == 1) {
        at_ = from;
        return Refuse("not UTF-8");
      }
      out.append(text_.substr(from, at_ - from));
    }
  }

  bool Digits() {
    const std::size_t from = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
      ++at_;
    return at_ > from;
  }

  bool ReadNumber(Value& value) {
    const std::size_t from = at_;
    Next('-');
    if (Next('0')) {
      // No leading zeros.
    } else if (!Digits()) {
      return Refuse("a number without digits");
    }
    if (Next('.') && !Digits())
      return Refuse("a number's fraction without digits");
    if (Next('e') || Next('E')) {
      if (!Next('+'))
        Next('-');
      if (!Digits())
        return Refuse("a number's exponent without digits");
    }
    double number = 0;
    const auto [end, error] = std::from_chars(text_.data() + from, text_.data() + at_, number);
    if (error != std::errc() || end != text_.data() + at_ || !std::isfinite(number)) {
      at_ = from;
      return Refuse("a number a double cannot hold");
    }
    value = Value::Number(number);
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string error_;
};

}  // namespace

std::optional<Value> Read(std::string_view text, std::string* error) {
  Reader reader(text);
  std::optional<Value> value = reader.ReadDocument();
  if (!value && error != nullptr)
    *error = reader.Error();
  return value;
}

}  // namespace tamsendor::json

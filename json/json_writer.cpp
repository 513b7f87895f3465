#include "json/json_writer.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

#include "text/utf8.h"

namespace tamsendor::json {

namespace {

// The string as JSON text, quotes included; bytes that are no UTF-8 become U+FFFD.
std::string Quoted(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = text::NextCharacter(utf8, at);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          text::AppendUtf8(out, c);
        }
    }
  }
  out += '"';
  return out;
}

void WriteNumber(std::string& out, double number) {
  if (!std::isfinite(number)) {
    out += "null";
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  out.append(buffer, result.ptr);
}

void WriteValue(std::string& out, const Value& value, int depth) {
  const auto newLine = [&out](int level) {
    out += '\n';
    out.append(static_cast<std::size_t>(level) * 2, ' ');
  };
  switch (value.kind) {
    case Value::Kind::Null:
      out += "null";
      break;
    case Value::Kind::Bool:
      out += value.boolean ? "true" : "false";
      break;
    case Value::Kind::Number:
      WriteNumber(out, value.number);
      break;
    case Value::Kind::String:
      out += Quoted(value.text);
      break;
    case Value::Kind::Array:
    case Value::Kind::Object: {
      const bool object = value.kind == Value::Kind::Object;
      // Two keys that differ only in bytes that are no UTF-8 are written alike; the first of
      // them is kept, so that the text never holds a key twice.
      std::unordered_set<std::string> keys;
      bool first = true;
      out += object ? '{' : '[';
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        std::string key;
        if (object && !keys.insert(key = Quoted(value.keys[i])).second)
          continue;
        if (!first)
          out += ',';
        first = false;
        newLine(depth + 1);
        if (object) {
          out += key;
          out += ": ";
        }
        WriteValue(out, value.items[i], depth + 1);
      }
      if (!first)
        newLine(depth);
      out += object ? '}' : ']';
      break;
    }
  }
}

}  // namespace

std::string Write(const Value& value) {
  std::string out;
  WriteValue(out, value, 0);
  out += '\n';
  return out;
}

}  // namespace tamsendor::json

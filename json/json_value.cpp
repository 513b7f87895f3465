#include "json/json_value.h"

#include <utility>

namespace tamsendor::json {

Value Value::Bool(bool b) {
  Value v;
  v.kind = Kind::Bool;
  v.boolean = b;
  return v;
}

Value Value::Number(double n) {
  Value v;
  v.kind = Kind::Number;
  v.number = n;
  return v;
}

Value Value::String(std::string s) {
  Value v;
  v.kind = Kind::String;
  v.text = std::move(s);
  return v;
}

Value Value::Array() {
  Value v;
  v.kind = Kind::Array;
  return v;
}

Value Value::Object() {
  Value v;
  v.kind = Kind::Object;
  return v;
}

Value& Value::Set(std::string_view key, Value value) {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == key) {
      items[i] = std::move(value);
      return *this;
    }
  }
  keys.emplace_back(key);
  items.push_back(std::move(value));
  return *this;
}

Value& Value::Push(Value value) {
  items.push_back(std::move(value));
  return *this;
}

const Value* Value::Find(std::string_view key) const {
  if (kind != Kind::Object)
    return nullptr;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key)
      return &items[i];
  return nullptr;
}

}  // namespace tamsendor::json

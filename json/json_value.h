#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::json {

// One JSON value. An object keeps its members in the order they were added or read, so that a
// written file reads in a sensible order; its keys are unique.
struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;               // a string's UTF-8
  std::vector<Value> items;       // an array's elements, an object's member values
  std::vector<std::string> keys;  // an object's member names, beside `items`

  static Value Null() { return {}; }
  static Value Bool(bool b);
  static Value Number(double n);
  static Value String(std::string s);
  static Value Array();
  static Value Object();

  // Appends a member to an object (replacing one of the same name) and gives the object back,
  // so that members can be chained.
  Value& Set(std::string_view key, Value value);
  // Appends an element to an array.
  Value& Push(Value value);

  // The member `key` of an object; nullptr for a missing key or a value that is no object.
  const Value* Find(std::string_view key) const;

  bool IsNull() const { return kind == Kind::Null; }
  bool IsBool() const { return kind == Kind::Bool; }
  bool IsNumber() const { return kind == Kind::Number; }
  bool IsString() const { return kind == Kind::String; }
  bool IsArray() const { return kind == Kind::Array; }
  bool IsObject() const { return kind == Kind::Object; }

  friend bool operator==(const Value&, const Value&) = default;
};

}  // namespace tamsendor::json

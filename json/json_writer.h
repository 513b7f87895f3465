#pragma once

#include <string>

#include "json/json_value.h"

namespace tamsendor::json {

// The value as UTF-8 JSON text, two blanks of indent per level, each member and element on a line
// of its own, ending with a line break. Numbers are written in the shortest form that reads back
// as the same double; one that is no finite number is written as null. A string's bytes that are
// not valid UTF-8 become U+FFFD, so the text is always valid JSON; of an object's keys that are
// then alike, the first is kept with its value.
std::string Write(const Value& value);

}  // namespace tamsendor::json

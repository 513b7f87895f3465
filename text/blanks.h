#pragma once

#include <string_view>

namespace tamsendor::text {

// `text` without the blanks (spaces and tabs) at either end.
constexpr std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace tamsendor::text

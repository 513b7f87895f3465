#include "platform/path_text.h"

#include <algorithm>

namespace tamsendor::platform {

namespace {

char FoldChar(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    c = FoldChar(c);
  return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i]))
      return false;
  }
  return true;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  return FoldCase(text).find(FoldCase(part)) != std::string::npos;
}

std::string PathKey(std::string_view path) {
  std::string key;
  key.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (IsSeparator(c)) {
      // Keep a leading "\\" of a network path; collapse every other run of separators.
      const bool uncStart = (i == 1 && IsSeparator(path[0]));
      if (!key.empty() && key.back() == '\\' && !uncStart)
        continue;
      key.push_back('\\');
    } else {
      key.push_back(FoldChar(c));
    }
  }
  const bool driveRoot = key.size() == 3 && key[1] == ':';
  while (key.size() > 1 && key.back() == '\\' && !driveRoot && !(key.size() == 2 && key[0] == '\\'))
    key.pop_back();
  return key;
}

bool IsFullPath(std::string_view path) {
  const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (path.size() >= 3 && isLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]))
    return true;
  return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
}

std::string_view FileNamePart(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string ParentFolder(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  if (cut == std::string_view::npos)
    return {};
  if (cut == 2 && path[1] == ':')
    return std::string(path.substr(0, 3));
  return std::string(path.substr(0, cut));
}

std::string WithBackslashes(std::string_view path) {
  std::string shown(path);
  std::replace(shown.begin(), shown.end(), '/', '\\');
  return shown;
}

}  // namespace tamsendor::platform

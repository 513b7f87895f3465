#include "core/folders.h"

namespace tamsendor::core {

namespace {

bool CanBeInAPath(char c) {
  constexpr std::string_view kReserved = "\"<>|*?";
  return static_cast<unsigned char>(c) >= 0x20 && kReserved.find(c) == std::string_view::npos;
}

}  // namespace

std::string EndWithSeparator(std::string folder, char separator) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
    folder += separator;
  return folder;
}

std::string StoredFolderText(std::string_view stored, char separator) {
  for (const char c : stored) {
    if (!CanBeInAPath(c))
      return {};
  }
  return EndWithSeparator(std::string(stored), separator);
}

}  // namespace tamsendor::core

#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/text.h"

namespace tamsendor::testing {

enum class Listed { Everything, FoldersOnly };

// The names in `folder` in the order the file system lists them, without "." and "..".
inline std::vector<std::string> NamesIn(const std::string& folder,
                                        Listed which = Listed::Everything) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(win32::Widen(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    const std::string name = win32::Narrow(found.cFileName);
    const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (name != "." && name != ".." && (which == Listed::Everything || isFolder))
      names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

}  // namespace tamsendor::testing

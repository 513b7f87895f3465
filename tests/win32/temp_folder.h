#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/text.h"

namespace tamsendor::testing {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name = "tamsendor-test") {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = win32::Narrow(base) + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    CreateDirectoryW(win32::Widen(path_).c_str(), nullptr);
  }
  // The long form reaches trees deeper than MAX_PATH.
  ~TempFolder() { RemoveTree(L"\\\\?\\" + win32::Widen(path_)); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
          continue;
        const std::wstring full = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
          // A junction or link goes, not what it leads to: it may lead out of the tree.
          if (!RemoveDirectoryW(full.c_str()))
            DeleteFileW(full.c_str());
        } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(full);
        } else {
          SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(full.c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
  }

  std::string path_;
};

}  // namespace tamsendor::testing

#pragma once

#include <optional>
#include <string>

namespace tamsendor::platform {

// The system's own modal dialogs for choosing a file or a folder, owned by the main window.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // Both dialogs open at `startFolder` when it names an existing folder, else where the system
  // chooses.

  // An existing file the user chose, as a full path; nullopt when the dialog was cancelled.
  // `filter` holds pairs of a description and its patterns, each part ended by "|" but the last
  // ("HL2 ETWO executable (hl2.exe)|hl2.exe").
  virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                              const std::string& startFolder) = 0;

  // An existing folder the user chose, as a full path without a trailing separator except a
  // drive root ("D:\"); nullopt when the dialog was cancelled. The dialog lets the user make and
  // delete folders and shows hidden ones.
  virtual std::optional<std::string> PickFolder(const std::string& title,
                                                const std::string& startFolder) = 0;
};

}  // namespace tamsendor::platform

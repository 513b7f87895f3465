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

  // A name to save a file under, as a full path; nullopt when the dialog was cancelled. The
  // dialog opens in the user's Documents folder with `suggestedName` in its name field, offers
  // the types of `filter` (as OpenFile's), gives a name typed without an extension that of
  // `suggestedName`, and asks before an existing file is replaced.
  virtual std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                              const std::string& suggestedName) = 0;

  // An existing folder the user chose, as a full path without a trailing separator except a
  // drive root ("D:\"); nullopt when the dialog was cancelled. The dialog lets the user make and
  // delete folders and shows hidden ones.
  virtual std::optional<std::string> PickFolder(const std::string& title,
                                                const std::string& startFolder) = 0;
};

}  // namespace tamsendor::platform

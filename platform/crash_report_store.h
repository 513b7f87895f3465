#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tamsendor::platform {

// Where crash reports go: a folder per crash below the user's own application data (a standard
// user may write there), named by the local time.
class CrashReportStore {
 public:
  virtual ~CrashReportStore() = default;
  // A new, empty folder for this crash's report, ending in a separator; nothing when it could
  // not be made.
  virtual std::optional<std::string> NewReportFolder() = 0;
  // Removes the oldest report folders, with their files, beyond the newest `count`.
  virtual void KeepNewest(std::size_t count) = 0;
  // A minidump of the crash in hand into the file; false when it could not be written.
  virtual bool WriteMinidump(const std::string& path) = 0;
};

// The user's choices after a crash: a dialog that needs no working window of the program.
class CrashDialog {
 public:
  virtual ~CrashDialog() = default;
  // Shows `message` and waits until the user closes it. While it shows, the user may open the
  // report's folder (when there is one), copy the report's text, or hand it to the mail program
  // through `mailLink`; nothing happens without the user.
  virtual void Show(const std::string& message, const std::optional<std::string>& folder,
                    const std::string& reportText, const std::string& mailLink) = 0;
};

// A report folder's name for a local time: "2026-12-11 02.08.06", sortable as text.
std::string ReportFolderName(int year, int month, int day, int hour, int minute, int second);
// Of the report folders' names, those to remove so that the newest `keep` remain.
std::vector<std::string> FoldersBeyondNewest(std::vector<std::string> names, std::size_t keep);

}  // namespace tamsendor::platform

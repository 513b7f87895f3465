#pragma once

#include <optional>
#include <string>

#include "platform/crash_report_store.h"

namespace tamsendor::win32 {

// Report folders in "%LOCALAPPDATA%\Korvalin Tamsendor\Crash reports\", the dump from the crash
// guard.
class Win32CrashReportStore : public platform::CrashReportStore {
 public:
  std::optional<std::string> NewReportFolder() override;
  void KeepNewest(std::size_t count) override;
  bool WriteMinidump(const std::string& path) override;
};

// A task dialog with the buttons "Open folder", "Copy report", "Send by e-mail" and "Close"; a
// plain message box where the system has no task dialogs. It belongs to no window of ours.
class Win32CrashDialog : public platform::CrashDialog {
 public:
  void Show(const std::string& message, const std::optional<std::string>& folder,
            const std::string& reportText, const std::string& mailLink) override;
};

}  // namespace tamsendor::win32

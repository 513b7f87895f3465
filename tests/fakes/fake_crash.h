#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/crash_report_store.h"

namespace tamsendor::fakes {

// Report folders in memory; the test decides whether one can be made and a dump written.
class FakeCrashReportStore : public platform::CrashReportStore {
 public:
  std::optional<std::string> folder =
      "C:\\Users\\u\\AppData\\Local\\Korvalin Tamsendor\\Crash reports\\2026-12-11 02.10.00\\";
  bool dumpWritten = true;
  std::vector<std::string> dumps;
  std::vector<std::size_t> kept;

  std::optional<std::string> NewReportFolder() override { return folder; }
  void KeepNewest(std::size_t count) override { kept.push_back(count); }
  bool WriteMinidump(const std::string& path) override {
    dumps.push_back(path);
    return dumpWritten;
  }
};

// Records what the dialog was given.
class FakeCrashDialog : public platform::CrashDialog {
 public:
  struct Shown {
    std::string message;
    std::optional<std::string> folder;
    std::string reportText;
    std::string mailLink;
  };
  std::vector<Shown> shown;
  void Show(const std::string& message, const std::optional<std::string>& folder,
            const std::string& reportText, const std::string& mailLink) override {
    shown.push_back({message, folder, reportText, mailLink});
  }
};

}  // namespace tamsendor::fakes

#include "app/crash_response.h"

#include <optional>

#include "core/maker.h"
#include "crash/crash_report.h"
#include "crash/crash_steps.h"

namespace tamsendor::app {

void CrashResponse::Handle(const platform::CrashFacts& facts) {
  crash::CrashReport report;
  report.programVersion = programVersion_;
  report.facts = facts;
  report.activity = trail_.Activity();
  report.trail = trail_.Entries();
  // The system's facts come from the registry and the clock: each is guarded on its own.
  try {
    report.osName = services_.host.OsProductName();
    const std::string build = services_.host.OsBuild();
    if (!build.empty())
      report.osName += " (build " + build + ")";
  } catch (...) {
  }
  try {
    report.time = services_.clock.NowShortDateLongTime();
  } catch (...) {
  }
  const std::string text = crash::ComposeCrashReport(report);

  crash::RunCrashSteps({
      [this] { return putGameBack_ ? putGameBack_() : true; },
      [this, &text]() -> std::optional<std::string> {
        const std::optional<std::string> folder = services_.store.NewReportFolder();
        if (!folder)
          return std::nullopt;
        const bool dumped = services_.store.WriteMinidump(*folder + "crash.dmp");
        const bool written =
            static_cast<bool>(services_.files.WriteBytes(*folder + "report.txt", text));
        services_.store.KeepNewest(kKeptReports);
        if (!dumped && !written)
          return std::nullopt;
        return folder;
      },
      [this, &text](const crash::CrashOutcome& outcome) {
        services_.dialog.Show(
            crash::CrashMessage(outcome), outcome.reportFolder, text,
            crash::MailtoLink(std::string(core::kSupportAddress),
                              "Korvalin Tamsendor " + programVersion_ + " crash report", text));
      },
  });
}

}  // namespace tamsendor::app

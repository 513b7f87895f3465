#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "core/event_trail.h"
#include "platform/crash_facts.h"
#include "platform/crash_report_store.h"
#include "platform/file_system.h"
#include "platform/host_facts.h"
#include "platform/locale_clock.h"

namespace tamsendor::app {

// The program's answer to a crash of its own: the game put back, a report written (a minidump
// and a text report with the program's recent steps), the user told and offered to send it.
class CrashResponse {
 public:
  static constexpr std::size_t kKeptReports = 10;

  struct Services {
    platform::CrashReportStore& store;
    platform::CrashDialog& dialog;
    platform::FileSystem& files;
    const platform::HostFacts& host;
    const platform::LocaleClock& clock;
  };
  CrashResponse(const Services& services, std::string programVersion, const core::EventTrail& trail)
      : services_(services), programVersion_(std::move(programVersion)), trail_(trail) {}

  // The game's clean-up once the main window's objects exist: true when the game's files are as
  // before the benchmark. Before that nothing of ours is in the game.
  void SetGameCleanUp(std::function<bool()> putGameBack) { putGameBack_ = std::move(putGameBack); }

  // On the crash layer's own thread, while the crashed thread waits.
  void Handle(const platform::CrashFacts& facts);

 private:
  Services services_;
  std::string programVersion_;
  const core::EventTrail& trail_;
  std::function<bool()> putGameBack_;
};

}  // namespace tamsendor::app

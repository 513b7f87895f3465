#pragma once

#include "platform/processes.h"
#include "platform/ui_thread.h"

namespace tamsendor::win32 {

// Creates processes with CreateProcessW. Exit notices come from a waiting thread of lowered
// priority and are handed to the user-interface thread through the dispatcher.
class Win32ProcessLauncher : public platform::ProcessLauncher {
 public:
  explicit Win32ProcessLauncher(platform::Dispatcher& dispatcher) : dispatcher_(dispatcher) {}
  std::unique_ptr<platform::StartedProcess> Start(const platform::ProcessStart& start) override;

 private:
  platform::Dispatcher& dispatcher_;
};

// The process list from a Toolhelp snapshot.
class Win32ProcessTable : public platform::ProcessTable {
 public:
  std::optional<std::vector<platform::ProcessEntry>> List() const override;
  bool IsStillRunning(std::uint32_t processId) const override;
  bool Terminate(std::uint32_t processId) override;
};

}  // namespace tamsendor::win32

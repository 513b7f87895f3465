#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "platform/ui_thread.h"

namespace tamsendor::fakes {

// Starts nothing: records each start, and lets the test end a started process, whose exit notice
// then arrives through the dispatcher like the real one.
class FakeProcessLauncher : public platform::ProcessLauncher {
 public:
  explicit FakeProcessLauncher(platform::Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

  std::unique_ptr<platform::StartedProcess> Start(const platform::ProcessStart& start) override;

  // Runs after each start is recorded, with its index: lets a test play what the started
  // program does (end after a while, start a game).
  std::function<void(std::size_t index, const platform::ProcessStart& start)> onStart;

  // The next starts fail with this error until cleared.
  void FailStartsWith(std::optional<platform::OsError> error) { failure_ = std::move(error); }

  const std::vector<platform::ProcessStart>& starts() const { return starts_; }
  int readyWaits() const { return readyWaits_; }
  // Ends the n-th started process (0-based); its notice is posted if someone still waits.
  void EndProcess(std::size_t index, std::uint32_t exitCode);

 private:
  struct Record {
    std::function<void(std::uint32_t)> onExit;
    bool alive = true;  // the StartedProcess object still exists
    bool ended = false;
  };
  friend class FakeStartedProcess;

  platform::Dispatcher& dispatcher_;
  std::optional<platform::OsError> failure_;
  std::vector<platform::ProcessStart> starts_;
  std::vector<std::shared_ptr<Record>> records_;
  int readyWaits_ = 0;
};

// The machine's process list, as a test sets it.
class FakeProcessTable : public platform::ProcessTable {
 public:
  struct Entry {
    std::uint32_t id;
    std::string exeName;
    bool running = true;  // false: listed, but a zero wait reports it ended
  };
  std::vector<Entry> entries;
  bool listFails = false;
  mutable int listCalls = 0;

  std::optional<std::vector<platform::ProcessEntry>> List() const override;
  bool IsStillRunning(std::uint32_t processId) const override;
  // Takes the process off the list.
  bool Terminate(std::uint32_t processId) override;
  std::vector<std::uint32_t> terminated;
};

}  // namespace tamsendor::fakes

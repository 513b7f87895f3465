#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tamsendor::platform {

// An operating-system error: the platform's error code and its own text. Process creation raises
// it; the callers catch exactly this kind.
class OsError : public std::runtime_error {
 public:
  OsError(std::uint32_t code, const std::string& text) : std::runtime_error(text), code_(code) {}
  std::uint32_t code() const { return code_; }

 private:
  std::uint32_t code_;
};

enum class ProcessPriority { Idle, Normal };

struct ProcessStart {
  std::string commandLine;       // the program is its first word (quoted when it has blanks)
  std::string currentDirectory;  // empty: the caller's own
  ProcessPriority priority = ProcessPriority::Normal;
  bool hidden = true;  // start-up window hidden, position 0,0 and size 0x0
};

// A process this program started.
class StartedProcess {
 public:
  virtual ~StartedProcess() = default;

  // Blocks until the program waits for user input (or has no message queue), without a time-out.
  virtual void WaitUntilReady() = 0;

  // Waits on another thread; when the process ends, onExit runs on the user-interface thread
  // with its exit code. Destroying this object stops the wait without calling onExit, so closing
  // the program never waits for a hung game.
  virtual void NotifyOnExit(std::function<void(std::uint32_t exitCode)> onExit) = 0;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Throws OsError when the process cannot be created.
  virtual std::unique_ptr<StartedProcess> Start(const ProcessStart& start) = 0;
};

struct ProcessEntry {
  std::uint32_t id = 0;
  std::string exeName;  // file name without its path
};

// The running processes of the machine.
class ProcessTable {
 public:
  virtual ~ProcessTable() = default;
  // Every running process, in the order the system lists them; nullopt when the list cannot be
  // taken.
  virtual std::optional<std::vector<ProcessEntry>> List() const = 0;
  // true when the process can be opened for waiting and a wait of zero milliseconds times out.
  virtual bool IsStillRunning(std::uint32_t processId) const = 0;
  // Ends the process at once, as Task Manager's "End task" does; false when it could not.
  virtual bool Terminate(std::uint32_t processId) = 0;
};

}  // namespace tamsendor::platform

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/processes.h"

namespace tamsendor::core {

// Asked to start while it still waits for the process it started before. Not an operating-system
// error: callers that handle failed starts do not catch it.
class RunnerBusyError : public std::logic_error {
 public:
  RunnerBusyError() : std::logic_error("Cannot perform this operation when process is running") {}
};

// Starts one program at a time with a hidden window and, when asked to wait, reports its end on
// the user-interface thread. The main window owns three: `cp` (game launches, idle priority),
// `cp2` (starting the Steam client) and `dxrun` (the DirectX diagnostic).
class TJvCreateProcess {
 public:
  using TerminateHandler = std::function<void(TJvCreateProcess& Sender, std::uint32_t ExitCode)>;

  TJvCreateProcess(platform::ProcessLauncher& launcher, platform::ProcessPriority priority)
      : launcher_(launcher), Priority(priority) {}
  TJvCreateProcess(const TJvCreateProcess&) = delete;
  TJvCreateProcess& operator=(const TJvCreateProcess&) = delete;

  // Starts CommandLine in CurrentDirectory (trimmed; empty means this program's own).
  // With WaitForTerminate it returns at once and OnTerminate follows when the process has
  // ended, after the runner is ready again (so the handler may call Run again). Without it, it
  // returns once the program is ready for input, and no notice follows.
  // Throws RunnerBusyError while still waiting, platform::OsError when the process cannot be
  // created.
  void Run();

  // True from a waiting Run until its notice has been handled.
  bool IsWaiting() const { return waiting_ != nullptr; }

 private:
  platform::ProcessLauncher& launcher_;
  std::unique_ptr<platform::StartedProcess> waiting_;

 public:
  std::string CommandLine;
  // The program CommandLine starts with, when the caller knows it exactly: it is then quoted as
  // a whole, whatever its folders' names hold. Empty: QuoteProgramPart finds it.
  std::string Program;
  std::string CurrentDirectory;
  platform::ProcessPriority Priority;
  bool WaitForTerminate = true;
  TerminateHandler OnTerminate;
};

// The command line as it must reach the system so that exactly the named program starts: an
// unquoted program path with blanks ("C:/Program Files (x86)/Steam/steam.exe -applaunch ...")
// would make Windows try "C:/Program.exe" first and hand the program a broken argument list.
// The program part ends at the first ".exe" followed by a blank or the end; it is quoted when it
// contains a blank and is not quoted already. Anything else is returned unchanged.
std::string QuoteProgramPart(const std::string& commandLine);

// The command line with its program part `program` (which it starts with) quoted when that holds
// a blank, so that exactly that program starts even when a folder's name holds ".exe ".
std::string QuoteProgram(const std::string& commandLine, const std::string& program);

}  // namespace tamsendor::core

namespace tamsendor::core {

// The main window's three runners, set up once: `cp` launches the game at idle priority and
// reports the end; `cp2` starts the Steam client and returns once it is ready for input; `dxrun`
// runs the DirectX diagnostic and reports the end.
struct ProcessRunners {
  explicit ProcessRunners(platform::ProcessLauncher& launcher)
      : cp(launcher, platform::ProcessPriority::Idle),
        cp2(launcher, platform::ProcessPriority::Normal),
        dxrun(launcher, platform::ProcessPriority::Normal) {
    cp2.WaitForTerminate = false;
  }
  TJvCreateProcess cp;
  TJvCreateProcess cp2;
  TJvCreateProcess dxrun;
};

}  // namespace tamsendor::core

#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <thread>
#include <utility>

#include "platform/path_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

class Win32StartedProcess : public platform::StartedProcess {
 public:
  Win32StartedProcess(platform::Dispatcher& dispatcher, Handle process)
      : dispatcher_(dispatcher),
        process_(std::move(process)),
        stopWaiting_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        alive_(std::make_shared<std::atomic<bool>>(true)) {}

  ~Win32StartedProcess() override {
    // The user-interface thread runs both this and the posted notice, so once alive_ is false a
    // notice still in the queue finds it and is dropped.
    alive_->store(false);
    SetEvent(stopWaiting_.get());
    if (waiter_.joinable())
      waiter_.join();
  }

  void WaitUntilReady() override { WaitForInputIdle(process_.get(), INFINITE); }

  void NotifyOnExit(std::function<void(std::uint32_t)> onExit) override {
    waiter_ = std::thread([this, onExit = std::move(onExit)]() mutable {
      SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
      const HANDLE handles[] = {process_.get(), stopWaiting_.get()};
      if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0)
        return;
      DWORD exitCode = 0;
      GetExitCodeProcess(process_.get(), &exitCode);
      dispatcher_.Post([alive = alive_, onExit = std::move(onExit), exitCode] {
        if (alive->load())
          onExit(exitCode);
      });
    });
  }

 private:
  platform::Dispatcher& dispatcher_;
  // Declared before the waiter, so both outlive its thread.
  Handle process_;
  Handle stopWaiting_;
  std::shared_ptr<std::atomic<bool>> alive_;
  std::thread waiter_;
};

}  // namespace

std::unique_ptr<platform::StartedProcess> Win32ProcessLauncher::Start(
    const platform::ProcessStart& start) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (start.hidden) {
    // Hidden, at 0,0 with size 0x0: the game and the client choose their own windows.
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION | STARTF_USESIZE;
    startup.wShowWindow = SW_HIDE;
  }
  std::wstring commandLine = Widen(start.commandLine);
  const std::wstring directory = Widen(start.currentDirectory);
  const DWORD priority = start.priority == platform::ProcessPriority::Idle ? IDLE_PRIORITY_CLASS
                                                                           : NORMAL_PRIORITY_CLASS;
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, priority, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &created)) {
    const DWORD code = GetLastError();
    throw platform::OsError(code, SystemErrorText(code));
  }
  Handle process(created.hProcess);
  const Handle thread(created.hThread);  // nobody waits on the first thread; closed on return
  return std::make_unique<Win32StartedProcess>(dispatcher_, std::move(process));
}

std::optional<std::vector<platform::ProcessEntry>> Win32ProcessTable::List() const {
  const Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.valid())
    return std::nullopt;
  std::vector<platform::ProcessEntry> list;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == 0) {
      list.push_back({0, "System Idle Process"});
      continue;
    }
    const std::string name = Narrow(entry.szExeFile);
    list.push_back({entry.th32ProcessID, std::string(platform::FileNamePart(name))});
  }
  return list;
}

bool Win32ProcessTable::IsStillRunning(std::uint32_t processId) const {
  const Handle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!process.valid())
    return false;
  return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

bool Win32ProcessTable::Terminate(std::uint32_t processId) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
  if (process == nullptr)
    return false;
  const bool ended = TerminateProcess(process, 1) != FALSE;
  // The process is gone once its handle signals; a list taken right after must not show it.
  if (ended)
    WaitForSingleObject(process, 5000);
  CloseHandle(process);
  return ended;
}

}  // namespace tamsendor::win32

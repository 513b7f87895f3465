#include "platform/win32/win32_processes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "bench/process_checks.h"
#include "core/process_runner.h"
#include "platform/path_text.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/temp_folder.h"

namespace tamsendor::win32 {
namespace {

using core::TJvCreateProcess;
using platform::ProcessPriority;
using testing::PumpUntil;
using testing::TempFolder;

std::string ProgramsFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return platform::ParentFolder(Narrow(path)) + "\\";
}

// The sleeper test program copied to `folder` under `name`.
std::string InstallSleeper(const std::string& folder, const std::string& name) {
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  const std::string target = folder + "\\" + name;
  CopyFileW(Widen(ProgramsFolder() + "sleeper.exe").c_str(), Widen(target).c_str(), FALSE);
  return target;
}

class Win32RunnerTest : public ::testing::Test {
 protected:
  Win32UiThread ui;
  Win32ProcessLauncher launcher{ui};
  TempFolder temp;
};

TEST_F(Win32RunnerTest, NoticeOnTheUiThreadWithTheExitCodeAndRestartFromTheHandler) {
  core::TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = ProgramsFolder() + "sleeper.exe 7 50";
  std::vector<std::uint32_t> codes;
  bool onUiThread = true;
  const DWORD uiThread = GetCurrentThreadId();
  cp.OnTerminate = [&](core::TJvCreateProcess& sender, std::uint32_t exitCode) {
    onUiThread = onUiThread && GetCurrentThreadId() == uiThread;
    codes.push_back(exitCode);
    if (codes.size() == 1) {
      sender.CommandLine = ProgramsFolder() + "sleeper.exe 3";
      sender.Run();
    }
  };
  cp.Run();
  EXPECT_THROW(cp.Run(), core::RunnerBusyError);
  ASSERT_TRUE(PumpUntil([&] { return codes.size() == 2; }));
  EXPECT_EQ(codes, (std::vector<std::uint32_t>{7, 3}));
  EXPECT_TRUE(onUiThread);
  EXPECT_FALSE(cp.IsWaiting());
}

TEST_F(Win32RunnerTest, StartsTheProgramUnderAFolderWithBlanks) {
  const std::string folder = temp / "Program Files (x86)";
  InstallSleeper(folder, "sleeper.exe");
  // A decoy where Windows would look first for an unquoted path.
  InstallSleeper(temp.path(), "Program.exe");

  core::TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = folder + "\\sleeper.exe 42";
  cp.CurrentDirectory = folder + "\\";
  std::optional<std::uint32_t> code;
  cp.OnTerminate = [&](core::TJvCreateProcess&, std::uint32_t exitCode) { code = exitCode; };
  cp.Run();
  ASSERT_TRUE(PumpUntil([&] { return code.has_value(); }));
  EXPECT_EQ(*code, 42u) << "the arguments must reach the program whole";
}

TEST_F(Win32RunnerTest, AMissingProgramRaisesTheSystemsError) {
  core::TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = temp / "Steam\\steam.exe -applaunch 420";
  try {
    cp.Run();
    FAIL() << "expected an operating-system error";
  } catch (const platform::OsError& error) {
    EXPECT_TRUE(error.code() == ERROR_FILE_NOT_FOUND || error.code() == ERROR_PATH_NOT_FOUND)
        << error.code();
    EXPECT_EQ(error.what(), SystemErrorText(error.code()));
  }
  EXPECT_FALSE(cp.IsWaiting());
}

TEST_F(Win32RunnerTest, WithoutWaitingItReturnsAndNeverNotifies) {
  core::TJvCreateProcess cp2(launcher, ProcessPriority::Normal);
  cp2.WaitForTerminate = false;
  cp2.CommandLine = ProgramsFolder() + "sleeper.exe 0 10";
  int notices = 0;
  cp2.OnTerminate = [&](core::TJvCreateProcess&, std::uint32_t) { ++notices; };
  cp2.Run();
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(notices, 0);
}

TEST_F(Win32RunnerTest, ClosingWhileAProgramHangsDoesNotWait) {
  const ULONGLONG started = GetTickCount64();
  {
    core::TJvCreateProcess cp(launcher, ProcessPriority::Idle);
    cp.CommandLine = ProgramsFolder() + "sleeper.exe 0 2500";
    cp.Run();
  }
  EXPECT_LT(GetTickCount64() - started, 1500u);
}

TEST(Win32ProcessTableTest, ListsAndChecksRunningPrograms) {
  TempFolder temp;
  Win32ProcessTable table;
  const auto list = table.List();
  ASSERT_TRUE(list.has_value());
  const auto self = std::find_if(list->begin(), list->end(), [](const platform::ProcessEntry& e) {
    return e.id == GetCurrentProcessId();
  });
  ASSERT_NE(self, list->end());
  EXPECT_TRUE(platform::EqualsIgnoringCase(self->exeName, "win32_tests.exe")) << self->exeName;
  EXPECT_TRUE(table.IsStillRunning(GetCurrentProcessId()));
  EXPECT_FALSE(bench::IsGameRunning(table));

  // Two game processes, one named in upper case: the game counts as running while any is there.
  const std::string upper = InstallSleeper(temp / "a", "HL2.EXE");
  const std::string lower = InstallSleeper(temp / "b", "hl2.exe");
  PROCESS_INFORMATION first{}, second{};
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring line1 = Widen("\"" + upper + "\" 0 1500");
  std::wstring line2 = Widen("\"" + lower + "\" 0 3000");
  ASSERT_TRUE(CreateProcessW(nullptr, line1.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &first));
  ASSERT_TRUE(CreateProcessW(nullptr, line2.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &second));
  EXPECT_TRUE(bench::IsGameRunning(table));
  WaitForSingleObject(first.hProcess, 10000);
  EXPECT_TRUE(bench::IsGameRunning(table)) << "the second copy still runs";
  EXPECT_FALSE(table.IsStillRunning(first.dwProcessId));
  WaitForSingleObject(second.hProcess, 10000);
  EXPECT_FALSE(bench::IsGameRunning(table));
  for (const auto& p : {first, second}) {
    CloseHandle(p.hProcess);
    CloseHandle(p.hThread);
  }
}

}  // namespace
}  // namespace tamsendor::win32

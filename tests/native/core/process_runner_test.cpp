#include "core/process_runner.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_processes.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::core {
namespace {

using platform::ProcessPriority;

struct RunnerFixture : ::testing::Test {
  fakes::VirtualUiThread ui;
  fakes::FakeProcessLauncher launcher{ui};
};

TEST(QuoteProgramPartTest, QuotesOnlyAProgramPathWithBlanks) {
  struct Case {
    const char* given;
    const char* expected;
  };
  const Case cases[] = {
      {"C:/Program Files (x86)/Steam/steam.exe -silent -applaunch 420 +timedemoquit x",
       "\"C:/Program Files (x86)/Steam/steam.exe\" -silent -applaunch 420 +timedemoquit x"},
      {"C:/Program Files (x86)/Steam/STEAM.EXE", "\"C:/Program Files (x86)/Steam/STEAM.EXE\""},
      {"c:/steam/steam.exe -silent", "c:/steam/steam.exe -silent"},
      {"\"C:/Program Files/Steam/steam.exe\" -silent",
       "\"C:/Program Files/Steam/steam.exe\" -silent"},
      // ".exe" inside a folder name is not the end of the program.
      {"D:/my.exelent games/steam.exe -x", "\"D:/my.exelent games/steam.exe\" -x"},
      {"steam.exe", "steam.exe"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QuoteProgramPart(c.given), c.expected) << c.given;
}

TEST_F(RunnerFixture, StartsHiddenWithItsPriorityTrimmedFolderAndQuotedProgram) {
  TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = "C:/Program Files (x86)/Steam/steam.exe -applaunch 420";
  cp.CurrentDirectory = "  C:/Program Files (x86)/Steam/ ";
  cp.Run();

  ASSERT_EQ(launcher.starts().size(), 1u);
  const auto& start = launcher.starts()[0];
  EXPECT_EQ(start.commandLine, "\"C:/Program Files (x86)/Steam/steam.exe\" -applaunch 420");
  EXPECT_EQ(start.currentDirectory, "C:/Program Files (x86)/Steam/");
  EXPECT_EQ(start.priority, ProcessPriority::Idle);
  EXPECT_TRUE(start.hidden);
  // What the caller keeps is untouched.
  EXPECT_EQ(cp.CommandLine, "C:/Program Files (x86)/Steam/steam.exe -applaunch 420");
}

// A folder whose name holds ".exe " would end the guessed program part there, and Windows would
// start "C:/Games.exe" (found by fuzzing): the program the caller names is quoted whole.
TEST_F(RunnerFixture, TheProgramTheCallerNamesIsQuotedWhole) {
  TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.WaitForTerminate = false;
  cp.CommandLine = "C:/Games.exe Folder/Steam/steam.exe -applaunch 420";
  cp.Program = "C:/Games.exe Folder/Steam/steam.exe";
  cp.Run();
  cp.CommandLine = "c:/steam/steam.exe -applaunch 420";
  cp.Program = "c:/steam/steam.exe";
  cp.Run();
  ASSERT_EQ(launcher.starts().size(), 2u);
  EXPECT_EQ(launcher.starts()[0].commandLine,
            "\"C:/Games.exe Folder/Steam/steam.exe\" -applaunch 420");
  EXPECT_EQ(launcher.starts()[1].commandLine, "c:/steam/steam.exe -applaunch 420");
}

TEST_F(RunnerFixture, NoticeComesOnTheUiThreadAfterTheRunnerIsReadyAgain) {
  TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = "game.exe";
  std::vector<std::uint32_t> codes;
  cp.OnTerminate = [&](TJvCreateProcess& sender, std::uint32_t exitCode) {
    EXPECT_EQ(&sender, &cp);
    EXPECT_FALSE(sender.IsWaiting());
    codes.push_back(exitCode);
    if (codes.size() < 3)
      sender.Run();  // the handler starts the same runner again
  };
  cp.Run();
  EXPECT_TRUE(cp.IsWaiting());

  launcher.EndProcess(0, 7);
  EXPECT_TRUE(codes.empty()) << "the notice must wait for the user-interface thread";
  ui.RunPosted();
  launcher.EndProcess(1, 0xC0000005u);
  ui.RunPosted();
  launcher.EndProcess(2, 0);
  ui.RunPosted();

  EXPECT_EQ(codes, (std::vector<std::uint32_t>{7, 0xC0000005u, 0}));
  EXPECT_EQ(launcher.starts().size(), 3u);
  EXPECT_FALSE(cp.IsWaiting());
}

TEST_F(RunnerFixture, RefusesASecondStartWhileWaiting) {
  TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = "game.exe";
  cp.Run();
  try {
    cp.Run();
    FAIL() << "a second start must be refused";
  } catch (const platform::OsError&) {
    FAIL() << "the busy error must not look like an operating-system error";
  } catch (const RunnerBusyError& error) {
    EXPECT_STREQ(error.what(), "Cannot perform this operation when process is running");
  }
  EXPECT_EQ(launcher.starts().size(), 1u);
}

TEST_F(RunnerFixture, FailedCreationRaisesTheOsErrorAndLeavesTheRunnerReady) {
  TJvCreateProcess cp(launcher, ProcessPriority::Idle);
  cp.CommandLine = "missing.exe";
  launcher.FailStartsWith(platform::OsError(2, "The system cannot find the file specified."));
  try {
    cp.Run();
    FAIL() << "expected an OsError";
  } catch (const platform::OsError& error) {
    EXPECT_EQ(error.code(), 2u);
    EXPECT_STREQ(error.what(), "The system cannot find the file specified.");
  }
  EXPECT_FALSE(cp.IsWaiting());
  launcher.FailStartsWith(std::nullopt);
  EXPECT_NO_THROW(cp.Run());
}

TEST_F(RunnerFixture, WithoutWaitingItReturnsOnceReadyAndSendsNoNotice) {
  TJvCreateProcess cp2(launcher, ProcessPriority::Normal);
  cp2.WaitForTerminate = false;
  cp2.CommandLine = "C:/Steam/steam.exe";
  int notices = 0;
  cp2.OnTerminate = [&](TJvCreateProcess&, std::uint32_t) { ++notices; };
  cp2.Run();
  EXPECT_EQ(launcher.readyWaits(), 1);
  EXPECT_FALSE(cp2.IsWaiting());
  EXPECT_NO_THROW(cp2.Run()) << "a runner that does not wait is never busy";
  launcher.EndProcess(0, 0);
  ui.RunPosted();
  EXPECT_EQ(notices, 0);
}

TEST_F(RunnerFixture, ARunnerDestroyedWhileWaitingGetsNoNotice) {
  int notices = 0;
  {
    TJvCreateProcess cp(launcher, ProcessPriority::Idle);
    cp.CommandLine = "game.exe";
    cp.OnTerminate = [&](TJvCreateProcess&, std::uint32_t) { ++notices; };
    cp.Run();
  }
  launcher.EndProcess(0, 0);
  ui.RunPosted();
  EXPECT_EQ(notices, 0);
}

}  // namespace
}  // namespace tamsendor::core

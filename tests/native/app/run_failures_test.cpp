// A benchmark whose runs did not all give a result says, once at its end, which runs failed and
// why; the runs that scored are kept.
#include <gtest/gtest.h>

#include <string>

#include "tests/native/app/installed_machine.h"
#include "ui/label.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

constexpr char kResult[] =
    "Half-Life 2 Benchmark Results\r\n\r\nheader\r\nqordemo1.dem,UNKNOWN, 61.5,  2.0,\r\n";

std::string SavedReport(const InstalledMachine& m) {
  const std::string& path = m.form->Collection().ReportPath();
  return path.empty() ? "" : m.services.files.ReadBytes(path).value_or("");
}

// What the n-th run (from 0) of a benchmark leaves behind.
// QuickCrash: the game ends 5 s after it shows, within the program's 30 s settle.
enum class Leaves { Score, Nothing, QuickCrash, Garbage, NoGame, LaunchFails };

void Script(InstalledMachine& m, std::vector<Leaves> runs) {
  auto launches = std::make_shared<std::size_t>(0);
  m.game.onLaunch = [&m, runs, launches](const platform::ProcessStart&) {
    const Leaves next = runs[std::min(*launches + 1, runs.size() - 1)];
    const Leaves now = runs[std::min((*launches)++, runs.size() - 1)];
    m.game.gameStarts = now != Leaves::NoGame;
    m.game.gameMs = now == Leaves::QuickCrash ? 5000 : 60000;
    // The launch after this one fails as a missing steam.exe does.
    if (next == Leaves::LaunchFails)
      m.services.launcher.FailStartsWith(platform::OsError(2, "The system cannot find the file."));
  };
  m.game.onGameExit = [&m, runs](std::size_t run) {
    const Leaves what = runs[std::min(run, runs.size() - 1)];
    if (what == Leaves::Score)
      m.services.files.AddFile(InstalledMachine::Mod("sourcebench.csv"), kResult);
    else if (what == Leaves::Garbage)
      m.services.files.AddFile(InstalledMachine::Mod("sourcebench.csv"), "\x01\x02 no table");
  };
}

TEST(RunFailuresTest, EachRunWithoutAResultIsNamedWithItsReason) {
  const struct {
    const char* what;
    const char* runNumber;
    std::vector<Leaves> runs;
    const char* message;
    bool saved;
  } cases[] = {
      {"a crash on run 2 of 3",
       "3",
       {Leaves::Score, Leaves::Nothing, Leaves::Score},
       "These runs gave no result:\n\n1024 \xC3\x97 768, run 2 of 3: the game ended without "
       "writing its result file.",
       true},
      {"a crash within the first seconds",
       "2",
       {Leaves::QuickCrash, Leaves::Score},
       "These runs gave no result:\n\n1024 \xC3\x97 768, run 1 of 2: the game ended without "
       "writing its result file.",
       true},
      {"a result file without a score",
       "2",
       {Leaves::Garbage, Leaves::Score},
       "These runs gave no result:\n\n1024 \xC3\x97 768, run 1 of 2: the result file had no "
       "score.",
       true},
      {"a game Steam never started",
       "2",
       {Leaves::Score, Leaves::NoGame},
       "These runs gave no result:\n\n1024 \xC3\x97 768, run 2 of 2: Steam did not start the game "
       "within the time limit.",
       true},
      {"no run scored",
       "2",
       {Leaves::Nothing, Leaves::NoGame},
       "These runs gave no result:\n\n1024 \xC3\x97 768, run 1 of 2: the game ended without "
       "writing its result file.\n1024 \xC3\x97 768, run 2 of 2: Steam did not start the game "
       "within the time limit.",
       false},
  };
  for (const auto& c : cases) {
    InstalledMachine m;
    m.Store("RunNumber", c.runNumber);
    Script(m, c.runs);
    m.Start();
    m.RunBenchmark();
    ASSERT_EQ(m.services.dialogs.messages, std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(!SavedReport(m).empty(), c.saved) << c.what;
    EXPECT_EQ(m.Control<ui::Label>("StatusInfo").Caption(),
              c.saved ? "The benchmarking is successful." : "Benchmark aborted!")
        << c.what;
    EXPECT_EQ(m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")),
              InstalledMachine::kUsersAutoexec)
        << c.what;
  }
}

// The report holds the runs that scored; the failed one is only left out.
TEST(RunFailuresTest, TheReportKeepsTheRunsThatScored) {
  InstalledMachine m;
  m.Store("RunNumber", "3");
  Script(m, {Leaves::Score, Leaves::Nothing, Leaves::Score});
  m.Start();
  m.RunBenchmark();
  const std::string report = SavedReport(m);
  std::size_t scores = 0;
  for (std::size_t at = report.find("<b>Score = 62 FPS</b>"); at != std::string::npos;
       at = report.find("<b>Score = 62 FPS</b>", at + 1))
    ++scores;
  EXPECT_EQ(scores, 2u);
  EXPECT_NE(report.find("Average score = 62 FPS"), std::string::npos);
}

// A resolution without a single scored run would make the report read as complete without it:
// it is not saved, and the scores there are go into the message instead.
TEST(RunFailuresTest, AResolutionWithoutAScoreKeepsTheReportAndShowsTheScores) {
  InstalledMachine m;
  m.Store("640", "1");
  m.Store("RunNumber", "1");
  Script(m, {Leaves::Score, Leaves::Nothing});
  m.Start();
  m.RunBenchmark();
  EXPECT_TRUE(SavedReport(m).empty());
  EXPECT_EQ(m.Control<ui::Label>("StatusInfo").Caption(), "Benchmark aborted!");
  ASSERT_EQ(m.services.dialogs.messages.size(), 1u);
  EXPECT_EQ(m.services.dialogs.messages[0],
            "These runs gave no result:\n\n1024 \xC3\x97 768, run 1 of 1: the game ended without "
            "writing its result file.\n\nThe report was not saved, because not every resolution "
            "has a run with a result. The runs that scored:\n\n640 \xC3\x97 480, run 1 of 1: "
            "61.5 FPS");
}

// A launch that cannot start ends the benchmark at once, with its error in the status line; the
// message names that run too and keeps the scores of the runs before it.
TEST(RunFailuresTest, ALaunchThatCannotStartIsNamedAndTheScoresKept) {
  InstalledMachine m;
  m.Store("RunNumber", "2");
  Script(m, {Leaves::Score, Leaves::LaunchFails});
  m.Start();
  m.RunBenchmark();
  EXPECT_EQ(m.Control<ui::Label>("StatusInfo").Caption(), "Program error, benchmark aborted!");
  ASSERT_EQ(m.services.dialogs.messages.size(), 1u);
  EXPECT_EQ(m.services.dialogs.messages[0],
            "These runs gave no result:\n\n1024 \xC3\x97 768, run 2 of 2: the game could not be "
            "started.\n\nThe report was not saved, because the benchmark could not run to its "
            "end. The runs that scored:\n\n1024 \xC3\x97 768, run 1 of 2: 62 FPS");
  EXPECT_EQ(m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")),
            InstalledMachine::kUsersAutoexec);
  EXPECT_FALSE(m.form->Named().StopButton.Visible());
}

}  // namespace
}  // namespace tamsendor::app

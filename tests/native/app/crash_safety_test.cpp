// The program stopped between any two of its changes to files or the registry during a
// benchmark, then started again: the user's files come back byte for byte, or wait, intact, where
// the next restore finds them.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "tests/native/app/installed_machine.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

// Thrown by the fakes at the chosen step: the program ends there, without any way out of it.
struct PowerCut {};

struct Scenario {
  const char* what;
  std::function<void(InstalledMachine&)> prepare;
  // What the user's autoexec.cfg and autoexec_old.cfg hold once the second program has left the
  // game (nullptr: no such file).
  const char* cfgAfter;
  const char* oldAfter;
  bool benchmarkRuns;
  // Other files of the user's that must come through byte for byte: path and bytes.
  std::vector<std::pair<std::string, std::string>> kept;
};

const char kOldNamed[] = "// my own file that happens to be named autoexec_old.cfg\r\n";
const std::string kEarlierReport =
    std::string(InstalledMachine::kProgram) + "Benchmark\\result_2007_11_20__18_00_00.htm";
const std::string kEarlierTwin =
    std::string(InstalledMachine::kProgram) + "Benchmark\\result_2007_11_20__18_00_00.json";

const Scenario kScenarios[] = {
    {"the user's autoexec.cfg",
     [](InstalledMachine&) {},
     InstalledMachine::kUsersAutoexec,
     nullptr,
     true,
     {}},
    {"a user's autoexec_old.cfg and no autoexec.cfg",
     [](InstalledMachine& m) {
       m.services.files.RemoveFile(InstalledMachine::Cfg("autoexec.cfg"));
       m.services.files.AddFile(InstalledMachine::Cfg("autoexec_old.cfg"), kOldNamed);
     },
     kOldNamed,
     nullptr,
     true,
     {}},
    {"the user's own demo",
     [](InstalledMachine& m) {
       m.services.files.AddFile("D:\\Demos\\run.dem", "my demo");
       m.Store("Demo", "3");
       m.Store("Demoname", "D:\\Demos\\run.dem");
     },
     InstalledMachine::kUsersAutoexec,
     nullptr,
     true,
     {}},
    // Both are the user's: Run refuses, and no way out puts one over the other.
    {"both autoexec files of the user's",
     [](InstalledMachine& m) {
       m.services.files.AddFile(InstalledMachine::Cfg("autoexec_old.cfg"), kOldNamed);
     },
     InstalledMachine::kUsersAutoexec,
     kOldNamed,
     false,
     {}},
    // Started from the program's folder with the game not found: names without their folder
    // would point at the program's own files.
    {"an unknown game folder",
     [](InstalledMachine& m) {
       m.services.files.RemoveFile(InstalledMachine::Game("hl2.exe"));
       m.Store("Path", "");
       m.services.files.currentFolder = InstalledMachine::kProgram;
     },
     InstalledMachine::kUsersAutoexec,
     nullptr,
     false,
     {}},
    // The reports of earlier benchmarks, and their twins, beside the ones this benchmark writes.
    {"earlier reports and their twins",
     [](InstalledMachine& m) {
       m.services.files.AddFile(kEarlierReport, "<html>my earlier report</html>");
       m.services.files.AddFile(kEarlierTwin, "{\"my\": \"earlier results\"}");
     },
     InstalledMachine::kUsersAutoexec,
     nullptr,
     true,
     {{kEarlierReport, "<html>my earlier report</html>"},
      {kEarlierTwin, "{\"my\": \"earlier results\"}"}}},
};

enum class WayOut { Benchmark, Close, Exit, Stop, CloseDuringRun };

void Watch(InstalledMachine& m, std::function<void()> step) {
  m.services.files.beforeChange = step;
  m.services.registry.beforeChange = step;
}

// The changes a whole benchmark makes, from Run to its end.
int CountSteps(const Scenario& s) {
  InstalledMachine m;
  s.prepare(m);
  m.Start();
  int steps = 0;
  Watch(m, [&] { ++steps; });
  m.RunBenchmark();
  return steps;
}

// Runs a benchmark that a power cut ends before step `cut`; with `cut` past the last step, the
// benchmark runs to its end.
void RunCutBefore(InstalledMachine& m, int cut, int steps, const std::string& where) {
  int step = 0;
  Watch(m, [&] {
    if (step++ == cut)
      throw PowerCut{};
  });
  if (cut < steps) {
    EXPECT_THROW(m.RunBenchmark(), PowerCut) << where;
  } else {
    m.RunBenchmark();
  }
  Watch(m, nullptr);
}

std::optional<std::string> Expected(const char* bytes) {
  return bytes == nullptr ? std::nullopt : std::optional<std::string>(bytes);
}

void ExpectUsersFilesSafe(const InstalledMachine& m, const Scenario& s, const std::string& where) {
  const auto& files = m.services.files;
  EXPECT_EQ(files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")), Expected(s.cfgAfter)) << where;
  EXPECT_EQ(files.ReadBytes(InstalledMachine::Cfg("autoexec_old.cfg")), Expected(s.oldAfter))
      << where;
  if (files.FileExists("D:\\Demos\\run.dem")) {
    EXPECT_EQ(files.ReadBytes("D:\\Demos\\run.dem"), "my demo") << where;
  }
  EXPECT_FALSE(files.FileExists(InstalledMachine::Mod("qordemo1.dem"))) << where;
  const std::string program = InstalledMachine::kProgram;
  EXPECT_EQ(files.ReadBytes(program + "qordemo1.dem"), "shipped demo 1") << where;
  EXPECT_EQ(files.ReadBytes(program + "qordemo2.dem"), "shipped demo 2") << where;
  for (const auto& [path, bytes] : s.kept)
    EXPECT_EQ(files.ReadBytes(path), bytes) << where << ": " << path;
  // Nothing half-written of ours is left anywhere.
  for (const auto& [path, bytes] : files.Files()) {
    EXPECT_EQ(path.find(platform::FileSystem::kTemporaryEnding), std::string::npos)
        << where << ": " << path;
  }
}

void Leave(InstalledMachine& m, WayOut way) {
  switch (way) {
    case WayOut::Benchmark:
      m.RunBenchmark();
      m.form->Form().Close();
      break;
    case WayOut::Close:
      m.form->Form().Close();
      break;
    case WayOut::Exit:
      m.Control<ui::PictureButton>("SpeedButton1").HandleClick();
      break;
    case WayOut::Stop:
      // Run, and Stop while the game plays; then a close.
      m.services.dialogs.answers.push_back(true);
      m.Control<ui::PictureButton>("BenchButton").HandleClick();
      m.services.ui.AdvanceBy(40000);
      m.Control<ui::Button>("StopButton").HandleClick();
      m.services.ui.RunUntilIdle();
      m.form->Form().Close();
      break;
    case WayOut::CloseDuringRun:
      // Run, and close while the game plays, answering Yes to stopping the benchmark.
      m.services.dialogs.answers.push_back(true);
      m.Control<ui::PictureButton>("BenchButton").HandleClick();
      m.services.ui.AdvanceBy(40000);
      m.form->Form().Close();
      m.services.ui.RunUntilIdle();
      break;
  }
}

const char* NameOf(WayOut way) {
  switch (way) {
    case WayOut::Benchmark:
      return ", then a benchmark";
    case WayOut::Close:
      return ", then a close";
    case WayOut::Exit:
      return ", then Exit";
    case WayOut::Stop:
      return ", then a benchmark stopped";
    case WayOut::CloseDuringRun:
      return ", then a close during a benchmark";
  }
  return "";
}

TEST(CrashSafetyTest, StoppedAfterAnyStepThenStartedAgain) {
  int runs = 0;
  for (const Scenario& s : kScenarios) {
    const int steps = CountSteps(s);
    if (s.benchmarkRuns) {
      ASSERT_GT(steps, 20) << s.what;
    }
    // One cut more than there are steps: the program ended after the whole benchmark.
    for (int cut = 0; cut <= steps; ++cut) {
      for (bool yes : {true, false}) {
        for (WayOut way : {WayOut::Benchmark, WayOut::Close, WayOut::Exit, WayOut::Stop,
                           WayOut::CloseDuringRun}) {
          const std::string where = std::string(s.what) + ", stopped before step " +
                                    std::to_string(cut) + (yes ? ", Yes" : ", No") + NameOf(way);
          InstalledMachine m;
          s.prepare(m);
          m.Start();
          RunCutBefore(m, cut, steps, where);
          m.form.reset();                // gone, without any clean-up
          m.services.ui.RunUntilIdle();  // the game it launched plays on and ends

          m.services.dialogs.answers = {yes};
          m.Start();
          Leave(m, way);
          ExpectUsersFilesSafe(m, s, where);
          ++runs;
          if (::testing::Test::HasFailure())
            return;  // one broken step says enough
        }
      }
    }
  }
  RecordProperty("restarts", runs);
}

// After a cut that left our autoexec.cfg in the game, the next start asks whether to delete it.
// The user, meanwhile, puts a file of their own there: whatever the answer, that file stays, and
// the one set aside before the cut waits beside it instead of going over it.
TEST(CrashSafetyTest, TheUserWritesAutoexecWhileTheStartUpQuestionWaits) {
  const char kWrittenMeanwhile[] = "// written while the question waited\r\n";
  const Scenario& s = kScenarios[0];
  const int steps = CountSteps(s);
  int asked = 0;
  for (int cut = 0; cut < steps; ++cut) {
    for (bool yes : {true, false}) {
      const std::string where =
          "stopped before step " + std::to_string(cut) + (yes ? ", Yes" : ", No");
      InstalledMachine m;
      s.prepare(m);
      m.Start();
      RunCutBefore(m, cut, steps, where);
      m.form.reset();
      m.services.ui.RunUntilIdle();

      bool wrote = false;
      m.services.dialogs.answers = {yes};
      m.services.dialogs.whileAsked = [&] {
        if (m.services.dialogs.questions.back().rfind("Maybe the last time an error", 0) != 0)
          return;
        m.services.files.AddFile(InstalledMachine::Cfg("autoexec.cfg"), kWrittenMeanwhile);
        wrote = true;
      };
      m.Start();
      Leave(m, WayOut::Close);

      const auto& files = m.services.files;
      if (wrote) {
        ++asked;
        EXPECT_EQ(files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")), kWrittenMeanwhile)
            << where;
        EXPECT_EQ(files.ReadBytes(InstalledMachine::Cfg("autoexec_old.cfg")),
                  InstalledMachine::kUsersAutoexec)
            << where;
      } else {
        ExpectUsersFilesSafe(m, s, where);
      }
      if (::testing::Test::HasFailure())
        return;
    }
  }
  // The cuts after our file was written and before it went again ask the question.
  EXPECT_GT(asked, 0);
}

// A fault of the program's own at any step: the crash layer puts the game back at once, as far as
// it can, without a message; the next start finishes what it could not.
TEST(CrashSafetyTest, AFaultAtAnyStepIsPutBackByTheCrashLayer) {
  for (const Scenario& s : kScenarios) {
    const int steps = CountSteps(s);
    for (int cut = 0; cut <= steps; ++cut) {
      for (bool yes : {true, false}) {
        const std::string where = std::string(s.what) + ", a fault before step " +
                                  std::to_string(cut) + (yes ? ", Yes" : ", No");
        InstalledMachine m;
        s.prepare(m);
        m.Start();
        RunCutBefore(m, cut, steps, where);
        const std::size_t messages = m.services.dialogs.messages.size();
        const bool putBack = m.form->PutGameBackAfterCrash();
        EXPECT_EQ(m.services.dialogs.messages.size(), messages) << where;
        if (putBack)
          ExpectUsersFilesSafe(m, s, where + ", right after the fault");
        m.form.reset();  // the process ends after the crash dialog
        m.services.ui.RunUntilIdle();

        m.services.dialogs.answers = {yes};
        m.Start();
        Leave(m, WayOut::Close);
        ExpectUsersFilesSafe(m, s, where);
        if (::testing::Test::HasFailure())
          return;
      }
    }
  }
}

}  // namespace
}  // namespace tamsendor::app

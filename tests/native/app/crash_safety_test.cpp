// The program stopped between any two of its changes to files or the registry during a
// benchmark, then started again: the user's files come back byte for byte, or wait, intact, where
// the next restore finds them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gameconfig/autoexec_text.h"
#include "tests/native/app/installed_machine.h"
#include "ui/form.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

// Thrown by the fakes at the chosen step: the program ends there, without any way out of it.
struct PowerCut {};

struct Scenario {
  const char* what;
  std::function<void(InstalledMachine&)> prepare;
  const char* usersConfig;  // the user's bytes that must survive in autoexec.cfg or its backup
};

const char kOldNamed[] = "// my own file that happens to be named autoexec_old.cfg\r\n";

const Scenario kScenarios[] = {
    {"the user's autoexec.cfg", [](InstalledMachine&) {}, InstalledMachine::kUsersAutoexec},
    {"a user's autoexec_old.cfg and no autoexec.cfg",
     [](InstalledMachine& m) {
       m.services.files.RemoveFile(InstalledMachine::Cfg("autoexec.cfg"));
       m.services.files.AddFile(InstalledMachine::Cfg("autoexec_old.cfg"), kOldNamed);
     },
     kOldNamed},
    {"the user's own demo",
     [](InstalledMachine& m) {
       m.services.files.AddFile("D:\\Demos\\run.dem", "my demo");
       m.Store("Demo", "3");
       m.Store("Demoname", "D:\\Demos\\run.dem");
     },
     InstalledMachine::kUsersAutoexec},
};

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

void ExpectUsersFilesSafe(const InstalledMachine& m, const Scenario& s, const std::string& where) {
  const auto cfg = m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg"));
  const auto old = m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec_old.cfg"));
  EXPECT_TRUE(cfg == s.usersConfig || old == s.usersConfig)
      << where << "\nautoexec.cfg: " << cfg.value_or("<none>")
      << "\nautoexec_old.cfg: " << old.value_or("<none>");
  // Once the second program has restored, nothing generated is left in the user's place.
  EXPECT_FALSE(cfg && gameconfig::LooksComposed(*cfg)) << where;
  EXPECT_FALSE(old.has_value()) << where;
  if (m.services.files.FileExists("D:\\Demos\\run.dem")) {
    EXPECT_EQ(m.services.files.ReadBytes("D:\\Demos\\run.dem"), "my demo") << where;
  }
  EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Mod("qordemo1.dem"))) << where;
}

TEST(CrashSafetyTest, StoppedAfterAnyStepThenStartedAgain) {
  int runs = 0;
  for (const Scenario& s : kScenarios) {
    const int steps = CountSteps(s);
    ASSERT_GT(steps, 20) << s.what;
    for (int cut = 0; cut < steps; ++cut) {
      for (bool yes : {true, false}) {
        for (bool benchmarkAgain : {true, false}) {
          const std::string where = std::string(s.what) + ", stopped before step " +
                                    std::to_string(cut) + (yes ? ", Yes" : ", No") +
                                    (benchmarkAgain ? ", then a benchmark" : ", then a close");
          InstalledMachine m;
          s.prepare(m);
          m.Start();
          int step = 0;
          Watch(m, [&] {
            if (step++ == cut)
              throw PowerCut{};
          });
          EXPECT_THROW(m.RunBenchmark(), PowerCut) << where;
          Watch(m, nullptr);
          m.form.reset();                // gone, without any clean-up
          m.services.ui.RunUntilIdle();  // the game it launched plays on and ends

          m.services.dialogs.answers = {yes};
          m.Start();
          if (benchmarkAgain)
            m.RunBenchmark();
          else
            m.form->Form().Close();
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

}  // namespace
}  // namespace tamsendor::app

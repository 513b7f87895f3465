#include <gtest/gtest.h>

#include <string>

#include "tests/native/app/installed_machine.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

std::string Read(const InstalledMachine& m, const std::string& path) {
  return m.services.files.ReadBytes(path).value_or("(none)");
}

// Run pressed, then virtual time up to `ms`.
void RunFor(InstalledMachine& m, std::uint64_t ms) {
  m.Control<ui::PictureButton>("BenchButton").HandleClick();
  m.services.ui.AdvanceBy(ms);
}

void PressStop(InstalledMachine& m, bool yes) {
  m.services.dialogs.answers = {yes};
  m.Control<ui::Button>("StopButton").HandleClick();
}

bool ReportSaved(const InstalledMachine& m) {
  const std::string& report = m.form->Collection().ReportPath();
  return !report.empty() && m.services.files.FileExists(report);
}

TEST(BenchmarkStopTest, StopAtEachStageEndsTheGameAndPutsEverythingBack) {
  // Two runs of 60 s games: the launch, Steam's end after 2 s, the 30 s settle, the polls every
  // 5 s, the game's end at 61 s, the second run's launch a second or two later.
  // With two resolutions, one run each, the second launch is the next resolution's.
  const struct {
    const char* stage;
    std::uint64_t ms;
    bool gameRuns;
    bool twoResolutions;
  } stages[] = {
      {"before Steam's process ended", 1500, true, false},
      {"during the settle", 20000, true, false},
      {"during the polls", 45000, true, false},
      {"between the game's end and the next run", 62500, false, false},
      {"during the second run's settle", 80000, true, false},
      {"between the resolutions", 62500, false, true},
      {"during the second resolution's polls", 110000, true, true},
  };
  for (const auto& s : stages) {
    InstalledMachine m;
    if (s.twoResolutions) {
      m.Store("640", "1");
      m.Store("RunNumber", "1");
    }
    m.Start();
    RunFor(m, s.ms);
    ASSERT_FALSE(m.services.launcher.starts().empty()) << s.stage;
    const std::size_t launches = m.services.launcher.starts().size();
    ASSERT_NE(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec)
        << s.stage;

    PressStop(m, true);
    ASSERT_EQ(m.services.dialogs.questions.size(), 1u) << s.stage;
    EXPECT_EQ(m.services.dialogs.questions[0],
              "Stop the benchmark? The runs done so far are discarded.");
    EXPECT_EQ(m.services.processes.terminated.empty(), !s.gameRuns) << s.stage;
    m.services.ui.RunUntilIdle();

    EXPECT_EQ(m.services.launcher.starts().size(), launches) << s.stage << ": a launch after Stop";
    EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec)
        << s.stage;
    EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Cfg("autoexec_old.cfg"))) << s.stage;
    EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Mod("qordemo1.dem"))) << s.stage;
    EXPECT_TRUE(m.Control<ui::PictureButton>("BenchButton").Enabled()) << s.stage;
    EXPECT_FALSE(m.Control<ui::Panel>("Panel2").Visible()) << s.stage;
    EXPECT_EQ(m.Control<ui::Label>("StatusInfo").Caption(), "Benchmark stopped.") << s.stage;
    EXPECT_FALSE(ReportSaved(m)) << s.stage;
    if (::testing::Test::HasFailure())
      return;
  }
}

TEST(BenchmarkStopTest, NoKeepsTheBenchmarkRunningAndAfterAStopTheNextRunsToItsReport) {
  InstalledMachine m;
  m.Start();
  RunFor(m, 40000);
  PressStop(m, false);
  EXPECT_TRUE(m.services.processes.terminated.empty());
  m.services.ui.RunUntilIdle();
  EXPECT_EQ(m.services.launcher.starts().size(), 2u);
  EXPECT_TRUE(ReportSaved(m));
  EXPECT_NE(m.Control<ui::Label>("StatusInfo").Caption(), "Benchmark stopped.");

  // Stopped, then Run again: a whole benchmark of two runs and its report.
  InstalledMachine again;
  again.Start();
  RunFor(again, 40000);
  PressStop(again, true);
  again.services.ui.RunUntilIdle();
  const std::size_t before = again.services.launcher.starts().size();
  again.RunBenchmark();
  EXPECT_EQ(again.services.launcher.starts().size(), before + 2);
  EXPECT_TRUE(ReportSaved(again));
  EXPECT_EQ(Read(again, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec);
}

// A run over its time limit is never ended without asking: the panel offers Stop, or Wait for
// another ten minutes; a run that ends within the limit shows nothing, and every run's limit
// counts from its own launch.
TEST(BenchmarkStopTest, ARunOverItsTimeLimitOffersStopOrWait) {
  constexpr std::uint64_t kMinute = 60000;
  InstalledMachine m;
  std::size_t launches = 0;
  // The first run's game takes 9 minutes, the second's hangs.
  m.game.onLaunch = [&](const platform::ProcessStart&) {
    m.game.gameMs = ++launches == 1 ? static_cast<std::uint32_t>(9 * kMinute) : 24u * 3600 * 1000;
  };
  m.Start();
  auto& offer = m.Control<ui::Label>("TimeLimitLabel");
  auto& wait = m.Control<ui::Button>("WaitButton");
  RunFor(m, 9 * kMinute + 3000);  // the first run collected, the second launched
  ASSERT_EQ(launches, 2u);
  const std::uint64_t secondLaunch = m.services.ui.NowMs();
  EXPECT_FALSE(offer.Visible());

  m.services.ui.AdvanceBy(10 * kMinute - 1000);
  EXPECT_FALSE(wait.Visible()) << "offered before ten minutes";
  m.services.ui.AdvanceBy(2000);
  ASSERT_TRUE(offer.Visible());
  EXPECT_TRUE(wait.Visible());
  EXPECT_EQ(offer.Caption(), "This run has lasted 10 minutes. Stop, or wait 10 minutes more?");
  EXPECT_TRUE(m.services.dialogs.questions.empty());
  EXPECT_TRUE(m.services.processes.terminated.empty());

  wait.HandleClick();
  EXPECT_FALSE(offer.Visible());
  EXPECT_FALSE(wait.Visible());
  m.services.ui.AdvanceBy(secondLaunch + 20 * kMinute - 1000 - m.services.ui.NowMs());
  EXPECT_FALSE(wait.Visible()) << "Wait gave less than ten minutes";
  m.services.ui.AdvanceBy(2000);
  ASSERT_TRUE(wait.Visible());
  EXPECT_EQ(offer.Caption(), "This run has lasted 20 minutes. Stop, or wait 10 minutes more?");

  // Stop from the offer, as from anywhere else.
  PressStop(m, true);
  EXPECT_FALSE(m.services.processes.terminated.empty());
  EXPECT_FALSE(wait.Visible());
  EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec);
  EXPECT_EQ(m.services.ui.PendingTimers(), 1u);  // only the hung game's own end
}

TEST(BenchmarkStopTest, WithoutABenchmarkStopAsksNothing) {
  InstalledMachine m;
  m.Start();
  m.Control<ui::Button>("StopButton").HandleClick();
  EXPECT_TRUE(m.services.dialogs.questions.empty());
}

}  // namespace
}  // namespace tamsendor::app

#include "gameconfig/game_recovery.h"

#include <gtest/gtest.h>

#include "core/product_key.h"
#include "gameconfig/autoexec_text.h"
#include "tests/native/gameconfig/game_folder.h"

namespace tamsendor::gameconfig {
namespace {

using testing::GameFolder;
using testing::kUsersFile;

std::string Stored(const GameFolder& g, const char* name) {
  return g.registry.ReadString(core::kProductRoot, std::string(core::kProductKey), name)
      .value_or("<none>");
}
void Store(GameFolder& g, const char* name, const char* value) {
  g.registry.WriteString(core::kProductRoot, std::string(core::kProductKey), name, value);
}

TEST(GameRecoveryTest, TheStartUpQuestion) {
  const std::string generated = ComposeAutoexecText({});
  struct Case {
    const char* what;
    const char* cfg;  // nullptr: none
    bool hl2set;
    const char* warningBefore;  // nullptr: not stored
    std::deque<bool> answers;
    std::size_t questions;
    const char* warningAfter;
    bool cfgAfter;
  };
  const Case cases[] = {
      {"a generated autoexec.cfg, Yes", generated.c_str(), false, nullptr, {true}, 1, "0", false},
      {"a generated autoexec.cfg, No", generated.c_str(), false, nullptr, {false}, 1, "1", true},
      {"hl2set.ini only", nullptr, true, nullptr, {}, 0, "1", false},
      {"already warned, nothing left", nullptr, false, "1", {}, 0, "1", false},
      {"nothing at all", nullptr, false, nullptr, {}, 0, "<none>", false},
      {"cleared earlier", nullptr, false, "0", {}, 0, "0", false},
      // The user's own file is no leftover: never offered for deletion.
      {"the user's own autoexec.cfg", kUsersFile, false, nullptr, {true}, 0, "<none>", true},
      {"the user's own, already warned", kUsersFile, true, "1", {true}, 0, "1", true},
  };
  for (const Case& c : cases) {
    GameFolder g;
    if (c.cfg != nullptr)
      g.files.AddFile(g.Cfg(), c.cfg);
    if (c.hl2set)
      g.files.AddFile(g.folders.ProgramFolder + "hl2set.ini", "");
    if (c.warningBefore != nullptr)
      Store(g, "NoErrorWarning", c.warningBefore);
    g.dialogs.answers = c.answers;
    g.recovery.CheckLeftoverAutoexec();
    EXPECT_EQ(g.dialogs.questions.size(), c.questions) << c.what;
    EXPECT_EQ(Stored(g, "NoErrorWarning"), c.warningAfter) << c.what;
    EXPECT_EQ(g.files.FileExists(g.Cfg()), c.cfgAfter) << c.what;
  }
}

// The user puts their own autoexec.cfg in place while the question waits, then answers Yes: the
// question was about the file that was there when it was asked (found by fuzzing).
TEST(GameRecoveryTest, AFileTheUserPutsThereDuringTheQuestionStays) {
  GameFolder g;
  g.files.AddFile(g.Cfg(), ComposeAutoexecText({}));
  g.dialogs.answers = {true};
  g.dialogs.whileAsked = [&g] { g.files.AddFile(g.Cfg(), kUsersFile); };
  g.recovery.CheckLeftoverAutoexec();
  ASSERT_EQ(g.dialogs.questions.size(), 1u);
  EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
}

TEST(GameRecoveryTest, TheQuestionsExactWords) {
  GameFolder g;
  g.files.AddFile(g.Cfg(), ComposeAutoexecText({}));
  g.recovery.CheckLeftoverAutoexec();
  ASSERT_EQ(g.dialogs.questions.size(), 1u);
  EXPECT_EQ(g.dialogs.questions[0],
            "Maybe the last time an error occured. The program restored the original settings, "
            "but found an autoexec.cfg file in your HL2 user folder. If it's not yours, please "
            "delete it. Do you wish to delete the autoexec.cfg file?");
  // An autoexec_old.cfg beside it stays for the next restore.
  GameFolder h;
  h.files.AddFile(h.Old(), kUsersFile);
  h.files.AddFile(h.Cfg(), ComposeAutoexecText({}));
  h.dialogs.answers = {true};
  h.recovery.CheckLeftoverAutoexec();
  EXPECT_FALSE(h.files.FileExists(h.Cfg()));
  EXPECT_EQ(h.Read(h.Old()), kUsersFile);
}

TEST(GameRecoveryTest, EveryWayOutSavesTheNoteForgetsTheFactsAndRemovesTheShippedDemos) {
  using Leave = void (GameRecovery::*)();
  for (Leave leave : {&GameRecovery::FormCloseQuery, &GameRecovery::FormClose,
                      &GameRecovery::SpeedButton1Click}) {
    GameFolder g;
    g.recovery.NoteLoaded();  // as after a full start-up
    Store(g, "Display Memory", "256 MB");
    Store(g, "Driver Version", "6.14.10.6764");
    Store(g, "Sound", "SB Live!");
    g.files.AddFile(g.Mod("qordemo1.dem"), "shipped demo 1");
    g.files.AddFile(g.Mod("qordemo2.dem"), "shipped demo 2");
    g.files.AddFile(g.Mod("mine.dem"), "user's");
    g.controls.NoteEdit.SetText("fresh driver");
    (g.recovery.*leave)();
    EXPECT_EQ(Stored(g, "Note"), "fresh driver");
    EXPECT_EQ(Stored(g, "Display Memory"), "");
    EXPECT_EQ(Stored(g, "Driver Version"), "");
    EXPECT_EQ(Stored(g, "Sound"), "");
    EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo1.dem")));
    EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo2.dem")));
    EXPECT_EQ(g.Read(g.Mod("mine.dem")), "user's");
  }
  // Without the product key nothing is written.
  GameFolder g;
  g.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
  g.recovery.FormClose();
  EXPECT_TRUE(g.registry.writes.empty());
}

TEST(GameRecoveryTest, ACloseRequestPutsTheUsersFileBackOnlyWhileABenchmarkHoldsIt) {
  {
    // During a benchmark.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    ASSERT_TRUE(g.autoexec.BackupAutoexec() && g.autoexec.ComposeAutoexec({}));
    g.recovery.FormCloseQuery();
    EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
    EXPECT_FALSE(g.files.FileExists(g.Old()));
  }
  {
    // Run pressed but no benchmark started; the user's own file stays.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    g.recovery.FormCloseQuery();
    EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  }
  {
    // After a completed benchmark the restore does not run again.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    ASSERT_TRUE(g.autoexec.BackupAutoexec() && g.autoexec.ComposeAutoexec({}));
    g.autoexec.RestoreAutoexec();
    g.recovery.CleanUpAfterBenchmark();
    EXPECT_EQ(Stored(g, "NoErrorWarning"), "0");
    const std::uint32_t waited = g.wait.waitedMs;
    g.recovery.FormCloseQuery();
    EXPECT_EQ(g.wait.waitedMs, waited);
    EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  }
  {
    // The Exit button during a benchmark puts the user's file back as a close does.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    ASSERT_TRUE(g.autoexec.BackupAutoexec() && g.autoexec.ComposeAutoexec({}));
    g.recovery.SpeedButton1Click();
    EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
    EXPECT_FALSE(g.files.FileExists(g.Old()));
  }
  {
    // Both files present and autoexec.cfg not ours: neither way out touches them.
    for (bool exitButton : {false, true}) {
      GameFolder g;
      g.files.AddFile(g.Cfg(), kUsersFile);
      g.files.AddFile(g.Old(), "older");
      if (exitButton)
        g.recovery.SpeedButton1Click();
      else
        g.recovery.FormCloseQuery();
      EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
      EXPECT_EQ(g.Read(g.Old()), "older");
    }
  }
}

}  // namespace
}  // namespace tamsendor::gameconfig

#include "gameconfig/autoexec_files.h"

#include <gtest/gtest.h>

#include "gameconfig/autoexec_text.h"
#include "tests/native/gameconfig/game_folder.h"

namespace tamsendor::gameconfig {
namespace {

using testing::GameFolder;
using testing::kUsersFile;

// Backup, composition and the end-of-benchmark restore, as a benchmark runs them.
bool Prepare(GameFolder& g) {
  return g.autoexec.BackupAutoexec() && g.autoexec.ComposeAutoexec({});
}
void Finish(GameFolder& g) {
  g.autoexec.RestoreAutoexec();
}

TEST(AutoexecFilesTest, TheUsersFileIsSetAsideAndComesBackByteForByte) {
  GameFolder g;
  g.files.AddFile(g.Cfg(), kUsersFile);
  ASSERT_TRUE(Prepare(g));
  EXPECT_EQ(g.Read(g.Old()), kUsersFile);
  EXPECT_TRUE(LooksComposed(g.Read(g.Cfg())));
  EXPECT_EQ(g.autoexec.DetailLevelName(), "Maximum");
  EXPECT_TRUE(g.autoexec.ComposedNotRestored());

  Finish(g);
  EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  EXPECT_FALSE(g.files.FileExists(g.Old()));
  EXPECT_EQ(g.wait.waitedMs, 250u);
  EXPECT_FALSE(g.autoexec.ComposedNotRestored());
  EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST(AutoexecFilesTest, WithoutAUsersFileNoneIsLeft) {
  GameFolder g;
  ASSERT_TRUE(Prepare(g));
  EXPECT_FALSE(g.files.FileExists(g.Old()));
  EXPECT_TRUE(g.files.FileExists(g.Cfg()));
  Finish(g);
  EXPECT_FALSE(g.files.FileExists(g.Cfg()));
  EXPECT_FALSE(g.files.FileExists(g.Old()));
}

TEST(AutoexecFilesTest, ASecondBenchmarkComposesFromScratchAndPutsTheUsersFileBackAgain) {
  GameFolder g;
  g.files.AddFile(g.Cfg(), kUsersFile);
  g.controls.HDRBox.SetItemIndex(2);
  g.controls.MBlurBox.SetItemIndex(0);
  ASSERT_TRUE(Prepare(g));
  Finish(g);

  g.controls.HDRBox.SetItemIndex(-1);
  g.controls.MBlurBox.SetItemIndex(1);
  g.controls.ColorCorrBox.SetChecked(true);
  ASSERT_TRUE(Prepare(g));
  AutoexecChoices second;
  second.colorCorrection = true;
  second.motionBlurIndex = 1;
  EXPECT_EQ(g.Read(g.Cfg()), ComposeAutoexecText(second));
  Finish(g);
  EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  EXPECT_FALSE(g.files.FileExists(g.Old()));
}

TEST(AutoexecFilesTest, ALeftoverBackupIsTheUsersFile) {
  const std::string generated = ComposeAutoexecText({});
  struct Case {
    const char* what;
    const char* cfg;  // nullptr: none
    bool starts;
    const char* cfgAfterBenchmark;
  };
  const Case cases[] = {
      // A benchmark cut short left both; the user kept the generated file at the question.
      {"generated file beside it", generated.c_str(), true, "old"},
      // The user answered Yes at the question.
      {"alone", nullptr, true, "old"},
      // Both are the user's: neither may be touched.
      {"a user's file beside it", kUsersFile, false, nullptr},
  };
  for (const Case& c : cases) {
    GameFolder g;
    g.files.AddFile(g.Old(), "the user's older file\r\n");
    if (c.cfg != nullptr)
      g.files.AddFile(g.Cfg(), c.cfg);
    EXPECT_EQ(Prepare(g), c.starts) << c.what;
    if (!c.starts) {
      EXPECT_EQ(g.dialogs.messages.size(), 1u) << c.what;
      EXPECT_EQ(g.Read(g.Cfg()), c.cfg) << c.what;
      EXPECT_EQ(g.Read(g.Old()), "the user's older file\r\n") << c.what;
      continue;
    }
    EXPECT_EQ(g.Read(g.Old()), "the user's older file\r\n") << c.what;
    Finish(g);
    EXPECT_EQ(g.Read(g.Cfg()), "the user's older file\r\n") << c.what;
    EXPECT_FALSE(g.files.FileExists(g.Old())) << c.what;
  }
}

TEST(AutoexecFilesTest, FailuresKeepTheUsersFileAndStopTheStart) {
  {
    // The user's file cannot be moved aside: nothing is composed over it.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    g.files.SetReadOnly(g.Cfg());
    EXPECT_FALSE(g.autoexec.BackupAutoexec());
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_NE(g.dialogs.messages[0].find(g.Cfg()), std::string::npos);
    EXPECT_NE(g.dialogs.messages[0].find("Access is denied."), std::string::npos);
    EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  }
  {
    // The folder takes no new file, and so cannot take the user's file back either: the user is
    // told where it is safe.
    GameFolder g;
    g.files.AddFile(g.Cfg(), kUsersFile);
    ASSERT_TRUE(g.autoexec.BackupAutoexec());
    g.files.SetReadOnly(g.folders.GameCfgFolder);
    EXPECT_FALSE(g.autoexec.ComposeAutoexec({}));
    ASSERT_EQ(g.dialogs.messages.size(), 2u);
    EXPECT_NE(g.dialogs.messages[0].find(g.Cfg()), std::string::npos);
    EXPECT_NE(g.dialogs.messages[1].find(g.Old()), std::string::npos);
    EXPECT_EQ(g.Read(g.Old()), kUsersFile);
    EXPECT_FALSE(g.files.FileExists(g.Cfg()));
    EXPECT_FALSE(g.autoexec.ComposedNotRestored());
  }
}

TEST(AutoexecFilesTest, RestoreIsGuardedAndNeverRemovesTheUsersLoneFile) {
  GameFolder g;
  // The user's own file, never composed by us in this program run.
  g.files.AddFile(g.Cfg(), kUsersFile);
  g.autoexec.RestoreAutoexec();
  EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);

  // Once the benchmark's restore is done nothing more happens.
  ASSERT_TRUE(Prepare(g));
  Finish(g);
  g.files.AddFile(g.Old(), "appeared later");
  g.autoexec.RestoreAutoexec();
  EXPECT_EQ(g.Read(g.Old()), "appeared later");
}

TEST(AutoexecFilesTest, ARestoreWithOnlyTheBackupStillMovesIt) {
  GameFolder g;
  g.files.AddFile(g.Old(), kUsersFile);
  g.autoexec.RestoreAutoexec();
  EXPECT_EQ(g.Read(g.Cfg()), kUsersFile);
  EXPECT_FALSE(g.files.FileExists(g.Old()));
}

}  // namespace
}  // namespace tamsendor::gameconfig

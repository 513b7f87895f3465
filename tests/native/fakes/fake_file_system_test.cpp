#include "tests/fakes/fake_file_system.h"

#include <gtest/gtest.h>

namespace tamsendor::fakes {
namespace {

// The fake stands in for Windows in every behaviour test, so it must keep Windows' rules.
TEST(FakeFileSystemTest, KeepsWindowsNamingRules) {
  FakeFileSystem files;
  files.AddFile("C:\\Games\\EP2\\cfg\\autoexec.cfg", "exec");
  EXPECT_TRUE(files.FileExists("c:/games/ep2/CFG/AUTOEXEC.CFG"));
  EXPECT_TRUE(files.DirectoryExists("C:/Games/ep2/"));
  EXPECT_FALSE(files.DirectoryExists("C:/Games/ep2/cfg/autoexec.cfg"));
  EXPECT_EQ(files.ReadBytes("C:/games//ep2/cfg/autoexec.cfg"), "exec");
}

TEST(FakeFileSystemTest, MovesAndCopiesReplaceAndCreateFolders) {
  FakeFileSystem files;
  files.AddFile("C:/g/ep2/cfg/autoexec.cfg", "mine");
  files.AddFile("C:/g/ep2/cfg/autoexec_old.cfg", "older");
  ASSERT_TRUE(files.MoveReplacing("C:/g/ep2/cfg/autoexec.cfg", "C:/g/ep2/cfg/autoexec_old.cfg"));
  EXPECT_FALSE(files.FileExists("C:/g/ep2/cfg/autoexec.cfg"));
  EXPECT_EQ(files.ReadBytes("C:/g/ep2/cfg/autoexec_old.cfg"), "mine");

  ASSERT_TRUE(files.CopyReplacing("C:/g/ep2/cfg/autoexec_old.cfg", "D:/new/folder/copy.cfg"));
  EXPECT_TRUE(files.DirectoryExists("D:/new/folder"));
  EXPECT_EQ(files.ReadBytes("D:/new/folder/copy.cfg"), "mine");
  EXPECT_TRUE(files.FileExists("C:/g/ep2/cfg/autoexec_old.cfg"));

  EXPECT_FALSE(files.MoveReplacing("C:/g/missing.cfg", "C:/g/x.cfg"));
  EXPECT_FALSE(files.FileExists("C:/g/x.cfg"));
}

TEST(FakeFileSystemTest, ReadOnlyPlacesRefuseChangesAndKeepContent) {
  FakeFileSystem files;
  files.AddFile("C:/g/cfg/autoexec.cfg", "mine");
  files.SetReadOnly("C:/g/cfg");
  const auto written = files.WriteBytes("C:/g/cfg/autoexec.cfg", "ours");
  EXPECT_FALSE(written);
  EXPECT_EQ(written.reason, "Access is denied.");
  EXPECT_FALSE(files.RemoveFile("C:/g/cfg/autoexec.cfg"));
  EXPECT_FALSE(files.MoveReplacing("C:/g/cfg/autoexec.cfg", "C:/elsewhere/a.cfg"));
  EXPECT_EQ(files.ReadBytes("C:/g/cfg/autoexec.cfg"), "mine");
  EXPECT_FALSE(files.FileExists("C:/elsewhere/a.cfg"));
}

}  // namespace
}  // namespace tamsendor::fakes

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

// The guard lives in the interface, so the fake and the real files refuse alike.
TEST(FakeFileSystemTest, RefusesPathsWithoutTheirFolder) {
  FakeFileSystem files;
  files.AddFile("C:/p/qordemo1.dem", "demo");
  EXPECT_FALSE(files.FileExists("qordemo1.dem"));
  EXPECT_FALSE(files.ReadBytes("qordemo1.dem"));
  const auto removed = files.RemoveFile("qordemo1.dem");
  EXPECT_FALSE(removed);
  EXPECT_EQ(removed.reason, platform::FileSystem::kNotFullPath);
  EXPECT_FALSE(files.WriteBytes("cfg\\autoexec.cfg", "x"));
  EXPECT_FALSE(files.CopyReplacing("C:/p/qordemo1.dem", "qordemo1.dem"));
  EXPECT_FALSE(files.MoveReplacing("C:/p/qordemo1.dem", "ep2\\qordemo1.dem"));
  EXPECT_FALSE(files.MakeDirectories("ep2\\cfg"));
  EXPECT_EQ(files.FileCount(), 1u);
  EXPECT_EQ(files.ReadBytes("C:/p/qordemo1.dem"), "demo");
}

// A write stopped between its two steps leaves its temporary beside the destination; the
// clean-up of a folder removes exactly those.
TEST(FakeFileSystemTest, WritesGoThroughTemporariesThatACleanUpRemoves) {
  struct Stop {};
  FakeFileSystem files;
  files.AddFile("C:/g/cfg/autoexec.cfg", "mine");
  files.AddFile("C:/g/cfg/notes.txt.bak", "keep");
  int steps = 0;
  files.beforeChange = [&] {
    if (++steps == 2)
      throw Stop{};
  };
  EXPECT_THROW(files.WriteBytes("C:/g/cfg/autoexec.cfg", "ours"), Stop);
  files.beforeChange = nullptr;
  EXPECT_EQ(files.ReadBytes("C:/g/cfg/autoexec.cfg"), "mine");
  EXPECT_EQ(files.ReadBytes("C:/g/cfg/autoexec.cfg.tamsendor-tmp"), "ours");

  files.RemoveLeftoverTemporaries("C:\\g\\cfg\\");
  EXPECT_FALSE(files.FileExists("C:/g/cfg/autoexec.cfg.tamsendor-tmp"));
  EXPECT_EQ(files.ReadBytes("C:/g/cfg/autoexec.cfg"), "mine");
  EXPECT_EQ(files.ReadBytes("C:/g/cfg/notes.txt.bak"), "keep");
  EXPECT_EQ(files.FileCount(), 2u);
}

}  // namespace
}  // namespace tamsendor::fakes

#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win32/text.h"
#include "tests/win32/folder_listing.h"
#include "tests/win32/temp_folder.h"

namespace tamsendor::win32 {
namespace {

using testing::NamesIn;
using testing::TempFolder;

TEST(Win32FileSystemTest, WriteCreatesFoldersReplacesAndLeavesNoTemporaryFile) {
  TempFolder temp;
  Win32FileSystem files;
  const std::string cfg = temp / "game/ep2/cfg/autoexec.cfg";  // mixed separators
  ASSERT_TRUE(files.WriteBytes(cfg, "first\r\n"));
  ASSERT_TRUE(files.WriteBytes(cfg, std::string("second\r\n\0\xD7", 10)));
  EXPECT_EQ(files.ReadBytes(cfg), std::string("second\r\n\0\xD7", 10));
  EXPECT_TRUE(files.FileExists(temp / "GAME\\EP2\\CFG\\AUTOEXEC.CFG"));
  EXPECT_TRUE(files.DirectoryExists(temp / "game/ep2/cfg/"));
  EXPECT_FALSE(files.FileExists(temp / "game/ep2/cfg"));
  EXPECT_EQ(NamesIn(temp / "game\\ep2\\cfg"), std::vector<std::string>{"autoexec.cfg"});
}

TEST(Win32FileSystemTest, CopyAndMoveReplaceAndCreateMissingFolders) {
  TempFolder temp;
  Win32FileSystem files;
  const std::string demo = temp / "Program Files\\Tamsendor\\qordemo1.dem";
  ASSERT_TRUE(files.WriteBytes(demo, "demo"));
  SetFileAttributesW(Widen(demo).c_str(), FILE_ATTRIBUTE_READONLY);

  const std::string placed = temp / "steamapps\\common\\half-life 2 episode two\\ep2\\qordemo1.dem";
  ASSERT_TRUE(files.CopyReplacing(demo, placed));
  ASSERT_TRUE(files.CopyReplacing(demo, placed)) << "an existing copy is replaced";
  EXPECT_EQ(files.ReadBytes(placed), "demo");
  EXPECT_TRUE(files.FileExists(demo));
  EXPECT_FALSE(GetFileAttributesW(Widen(placed).c_str()) & FILE_ATTRIBUTE_READONLY)
      << "a copy of a read-only file must stay removable";

  const std::string cfg = temp / "cfg\\autoexec.cfg";
  const std::string old = temp / "cfg\\autoexec_old.cfg";
  ASSERT_TRUE(files.WriteBytes(cfg, "users own"));
  ASSERT_TRUE(files.WriteBytes(old, "stale"));
  ASSERT_TRUE(files.MoveReplacing(cfg, old));
  EXPECT_FALSE(files.FileExists(cfg));
  EXPECT_EQ(files.ReadBytes(old), "users own");

  // The case where the shell's operation lost the file under Wine: a move into a missing folder.
  const std::string moved = temp / "new\\deeper\\autoexec.cfg";
  ASSERT_TRUE(files.MoveReplacing(old, moved));
  EXPECT_EQ(files.ReadBytes(moved), "users own");
  EXPECT_FALSE(files.FileExists(old));
}

TEST(Win32FileSystemTest, MakesMissingParentsAlsoForAFolderEndingInASeparator) {
  TempFolder temp;
  Win32FileSystem files;
  for (const char* folder : {"a\\b\\Benchmark\\", "c/d/", "e\\f"}) {
    EXPECT_TRUE(files.MakeDirectories(temp / folder)) << folder;
    EXPECT_TRUE(files.DirectoryExists(temp / folder)) << folder;
  }
}

TEST(Win32FileSystemTest, FailuresKeepTheFilesAndSayWhy) {
  TempFolder temp;
  Win32FileSystem files;
  const auto missing = files.MoveReplacing(temp / "missing.cfg", temp / "x.cfg");
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.reason.empty());
  EXPECT_FALSE(files.FileExists(temp / "x.cfg"));
  EXPECT_FALSE(files.RemoveFile(temp / "missing.cfg"));
  EXPECT_FALSE(files.ReadBytes(temp / "missing.cfg").has_value());

  // A folder where a file should go: nothing is written and the folder stays.
  ASSERT_TRUE(files.MakeDirectories(temp / "cfg\\autoexec.cfg"));
  const auto blocked = files.WriteBytes(temp / "cfg\\autoexec.cfg", "x");
  EXPECT_FALSE(blocked);
  EXPECT_FALSE(blocked.reason.empty());
  EXPECT_TRUE(files.DirectoryExists(temp / "cfg\\autoexec.cfg"));
  EXPECT_EQ(NamesIn(temp / "cfg"), std::vector<std::string>{"autoexec.cfg"});
}

// Started from its own folder with the game not found, a demo name alone named the program's own
// shipped demo: the clean-up deleted it.
TEST(Win32FileSystemTest, NamesWithoutTheirFolderTouchNothingInTheCurrentFolder) {
  TempFolder temp;
  Win32FileSystem files;
  ASSERT_TRUE(files.WriteBytes(temp / "qordemo1.dem", "shipped"));
  wchar_t before[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(temp.path()).c_str()));

  EXPECT_FALSE(files.FileExists("qordemo1.dem"));
  EXPECT_FALSE(files.RemoveFile("qordemo1.dem"));
  EXPECT_FALSE(files.CopyReplacing(temp / "qordemo1.dem", "copy.dem"));
  EXPECT_FALSE(files.MoveReplacing("qordemo1.dem", temp / "moved.dem"));
  EXPECT_FALSE(files.WriteBytes("ep2\\cfg\\autoexec.cfg", "x"));
  SetCurrentDirectoryW(before);

  EXPECT_EQ(files.ReadBytes(temp / "qordemo1.dem"), "shipped");
  EXPECT_EQ(NamesIn(temp.path()), std::vector<std::string>{"qordemo1.dem"});
}

// A program killed during a write leaves its temporary; the next write of the same file and the
// start-up's clean-up remove it, and nothing else.
TEST(Win32FileSystemTest, TemporariesLeftByAKillAreRemoved) {
  TempFolder temp;
  Win32FileSystem files;
  const std::string cfg = temp / "autoexec.cfg";
  const std::string stale = Win32FileSystem::TemporaryPathFor(cfg);
  ASSERT_TRUE(files.WriteBytes(stale, "half"));
  SetFileAttributesW(Widen(stale).c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(files.WriteBytes(cfg, "whole"));
  EXPECT_EQ(files.ReadBytes(cfg), "whole");
  EXPECT_EQ(NamesIn(temp.path()), std::vector<std::string>{"autoexec.cfg"});

  ASSERT_TRUE(files.WriteBytes(temp / "result_2026.htm.tamsendor-tmp", "half a report"));
  ASSERT_TRUE(files.WriteBytes(temp / "qordemo1.dem.TAMSENDOR-TMP", "half a demo"));
  ASSERT_TRUE(files.WriteBytes(temp / "notes.tmp", "the user's"));
  ASSERT_TRUE(files.MakeDirectories(temp / "folder.tamsendor-tmp"));
  files.RemoveLeftoverTemporaries(temp.path());
  std::vector<std::string> left = NamesIn(temp.path());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"autoexec.cfg", "folder.tamsendor-tmp", "notes.tmp"}));
}

}  // namespace
}  // namespace tamsendor::win32

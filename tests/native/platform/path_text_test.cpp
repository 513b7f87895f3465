#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace tamsendor::platform {
namespace {

TEST(PathKeyTest, WindowsPathsCompareAsWindowsDoes) {
  struct Case {
    const char* a;
    const char* b;
  };
  const Case same[] = {
      {"C:/Program Files (x86)/Steam/", "c:\\program files (x86)\\steam"},
      {"C:\\Games\\\\ep2\\cfg\\", "c:/games/ep2/cfg"},
      {"D:\\", "d:/"},
      {"\\\\server\\share\\x", "//SERVER/share/X"},
  };
  for (const Case& c : same)
    EXPECT_EQ(PathKey(c.a), PathKey(c.b)) << c.a << " vs " << c.b;
  EXPECT_EQ(PathKey("D:\\"), "d:\\");
  EXPECT_NE(PathKey("C:\\games\\ep2"), PathKey("C:\\games\\ep"));
}

TEST(PathTextTest, NamePartsAndFolders) {
  EXPECT_EQ(FileNamePart("C:/games/ep2/HL2.exe"), "HL2.exe");
  EXPECT_EQ(FileNamePart("C:\\x\\y.txt"), "y.txt");
  EXPECT_EQ(FileNamePart("steam.exe"), "steam.exe");
  EXPECT_EQ(ParentFolder("C:\\games\\a.txt"), "C:\\games");
  EXPECT_EQ(ParentFolder("C:\\a.txt"), "C:\\");
  EXPECT_EQ(ParentFolder("a.txt"), "");
}

// A name formed from a folder that is not known must never pass for a place on the disk.
TEST(PathTextTest, FullPathsNameTheirDriveOrShare) {
  for (const char* full : {"C:\\x\\qordemo1.dem", "d:/games/", "Z:\\", "\\\\server\\share\\a.htm",
                           "//server/share", "\\\\?\\C:\\long"}) {
    EXPECT_TRUE(IsFullPath(full)) << full;
  }
  for (const char* relative : {"", "qordemo1.dem", "cfg\\autoexec.cfg", "\\ep2\\qordemo1.dem",
                               "/ep2/a", "C:", "C:a.dem", "\\\\\\x", "1:\\x"}) {
    EXPECT_FALSE(IsFullPath(relative)) << relative;
  }
}

TEST(PathTextTest, CaseFoldingTouchesOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringCase("HL2.EXE", "hl2.exe"));
  EXPECT_FALSE(EqualsIgnoringCase("hl2.exe", "hl2.ex"));
  EXPECT_TRUE(ContainsIgnoringCase("C:\\x\\MySteam.EXE", "steam.exe"));
  EXPECT_EQ(FoldCase("Ä-Ab"), "Ä-ab");
}

}  // namespace
}  // namespace tamsendor::platform

#include "bench/launch_line.h"

#include <gtest/gtest.h>

#include "core/resolution_table.h"
#include "bench/time_stamps.h"

namespace tamsendor::bench {
namespace {

TEST(LaunchLineTest, TheDocumentedExample) {
  LaunchFragments fragments;
  BuildLaunchFragments({false, 0, 0, 0}, fragments);
  EXPECT_EQ(BuildLaunchLine("c:/steam/", "1024", "768", fragments, "qordemo1"),
            "c:/steam/steam.exe -silent -applaunch 420 -preload -novid -mat_preloadshaders "
            "-nocdaudio -nosound -width 1024 -height 768 +r_fastzreject 0 -refresh 60 -heapsize "
            "64000 -dxlevel 90 +timedemoquit qordemo1");
}

TEST(LaunchLineTest, FragmentsFollowTheChoicesAndAnUnchosenBoxKeepsItsFragment) {
  struct Case {
    LaunchChoices choices;
    const char* fragments;  // fast-Z, refresh, heap, DirectX level, joined by blanks
  };
  const Case cases[] = {
      {{true, 3, 4, 1}, "+r_fastzreject 1 -refresh 85 -heapsize 1024000 -dxlevel 95"},
      {{false, 1, 1, 0}, "+r_fastzreject 0 -refresh 70 -heapsize 128000 -dxlevel 90"},
      {{false, 2, 2, 1}, "+r_fastzreject 0 -refresh 75 -heapsize 256000 -dxlevel 95"},
      {{false, -1, 3, -1}, "+r_fastzreject 0 -refresh 75 -heapsize 512000 -dxlevel 95"},
  };
  LaunchFragments fragments;  // one program run: later benchmarks keep what an unchosen box had
  for (const Case& c : cases) {
    BuildLaunchFragments(c.choices, fragments);
    EXPECT_EQ(fragments.FastZFragment + " " + fragments.RefreshFragment + " " +
                  fragments.HeapFragment + " " + fragments.DxLevelFragment,
              c.fragments);
  }
}

TEST(LaunchLineTest, FirstBenchmarkWithoutHeapChoiceLeavesTwoBlanks) {
  LaunchFragments fragments;
  BuildLaunchFragments({false, 0, -1, 0}, fragments);
  const std::string line = BuildLaunchLine("c:/steam/", "1366", "768", fragments, "qordemo2");
  EXPECT_NE(line.find("-width 1366 -height 768 +r_fastzreject 0 -refresh 60  -dxlevel 90 "
                      "+timedemoquit qordemo2"),
            std::string::npos)
      << line;
}

TEST(ResolutionTableTest, TagsAndSizes) {
  EXPECT_EQ(core::kResolutionTable[6].SettingName, "hdw1");
  EXPECT_EQ(core::kResolutionTable[6].Tag, "hdtv1");
  EXPECT_EQ(core::kResolutionTable[8].ProgressCaption,
            "Resolution: 1920 \xC3\x97 1200 (HD WideScreen)...");
  EXPECT_EQ(core::RowOfTag("hdtv3"), 8);
  EXPECT_EQ(core::RowOfTag("HDTV3"), std::nullopt) << "tags compare case-sensitively";
  EXPECT_EQ(core::RowOfTag("custom"), std::nullopt);
  for (const core::ResolutionEntry& row : core::kResolutionTable) {
    EXPECT_EQ(row.ModeText, std::to_string(row.Width) + " x " + std::to_string(row.Height));
    EXPECT_EQ(row.ErrorText, row.Row == 3 ? "Program error." : "Program error, benchmark aborted!");
  }
}

TEST(TimeStampsTest, EverySeparatorBecomesAnUnderscore) {
  EXPECT_EQ(MakeFileStamp("2007.11.23. 21:05:07"), "2007_11_23__21_05_07");
  EXPECT_EQ(MakeFileStamp("23/11/2007 21:05:07"), "23_11_2007_21_05_07");
  EXPECT_EQ(MakeFileStamp("2007-11-23 9:05:07 PM"), "2007_11_23_9_05_07_PM");
  EXPECT_EQ(MakeFileStamp("a\\b"), "a_b");
}

}  // namespace
}  // namespace tamsendor::bench

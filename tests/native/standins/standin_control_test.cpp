#include "tools/standins/standin_control.h"

#include <gtest/gtest.h>

namespace tamsendor::standin {
namespace {

TEST(StandinControlTest, AbsentMeansNormal) {
  const ControlSettings settings = ParseControlFile("");
  EXPECT_EQ(settings.mode, GameMode::kNormal);
  EXPECT_EQ(settings.playMs, 500);
  EXPECT_EQ(settings.hangMs, 10000);
  EXPECT_EQ(settings.seed, std::nullopt);
  EXPECT_EQ(settings.secondCopyMs, 0);
}

TEST(StandinControlTest, ReadsEveryKey) {
  const ControlSettings settings = ParseControlFile(
      "\xEF\xBB\xBF; made by a test\r\n"
      "# another comment\n"
      "\n"
      " Mode = HANG \r\n"
      "play_ms=20\r\n"
      "hang_ms=150\r\n"
      "seed=4000000000\r\n"
      "second_copy_ms=300\r\n"
      "unknown=1\r\n"
      "no equals sign\r\n");
  EXPECT_EQ(settings.mode, GameMode::kHang);
  EXPECT_EQ(settings.playMs, 20);
  EXPECT_EQ(settings.hangMs, 150);
  EXPECT_EQ(settings.seed, 4000000000u);
  EXPECT_EQ(settings.secondCopyMs, 300);
}

TEST(StandinControlTest, Modes) {
  struct Case {
    const char* text;
    GameMode mode;
    std::optional<MalformedKind> malformed;
  };
  const Case cases[] = {
      {"mode=normal", GameMode::kNormal, std::nullopt},
      {"mode=crash", GameMode::kCrash, std::nullopt},
      {"mode=crash_late", GameMode::kCrashLate, std::nullopt},
      {"mode=hang", GameMode::kHang, std::nullopt},
      {"mode=nothing", GameMode::kNothing, std::nullopt},
      {"mode=malformed_short", GameMode::kMalformedShort, MalformedKind::kShort},
      {"mode=malformed_fields", GameMode::kMalformedFields, MalformedKind::kFewFields},
      {"mode=malformed_fps", GameMode::kMalformedFps, MalformedKind::kBadFps},
      {"mode=explode", GameMode::kNormal, std::nullopt},
  };
  for (const Case& c : cases) {
    const ControlSettings settings = ParseControlFile(c.text);
    EXPECT_EQ(settings.mode, c.mode) << c.text;
    EXPECT_EQ(MalformedKindOf(settings.mode), c.malformed) << c.text;
  }
}

TEST(StandinControlTest, ValuesThatDoNotParseAreIgnored) {
  const ControlSettings settings = ParseControlFile("play_ms=-5\nhang_ms=soon\nseed=-1\nplay_ms=");
  EXPECT_EQ(settings.playMs, 500);
  EXPECT_EQ(settings.hangMs, 10000);
  EXPECT_EQ(settings.seed, std::nullopt);
}

}  // namespace
}  // namespace tamsendor::standin

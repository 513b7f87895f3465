#include "tools/standins/standin_fps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace tamsendor::standin {
namespace {

GameSettings Settings(int width, int height, int dxlevel = 90) {
  GameSettings settings;
  settings.width = width;
  settings.height = height;
  settings.dxlevel = dxlevel;
  return settings;
}

TEST(StandinFpsTest, FiguresTestsCanRelyOn) {
  struct Case {
    GameSettings settings;
    std::int64_t tenths;
  };
  GameSettings antialias4 = Settings(1024, 768);
  antialias4.antialias = 4;
  GameSettings hdrFull = Settings(1024, 768);
  hdrFull.hdrLevel = 2;
  GameSettings fastZ = Settings(1024, 768);
  fastZ.fastZReject = true;
  GameSettings heaviest = Settings(2048, 1536, 95);
  heaviest.antialias = 8;
  heaviest.hdrLevel = 2;
  const Case cases[] = {
      {Settings(1024, 768), 1214},
      {Settings(640, 480), 2036},
      {Settings(1920, 1200), 533},
      {Settings(1024, 768, 95), 1104},
      {Settings(1024, 768, 81), 1348},
      {antialias4, 1012},
      {hdrFull, 1072},
      {fastZ, 1255},
      {heaviest, 210},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FpsTenths(c.settings, std::nullopt), c.tenths)
        << c.settings.width << "x" << c.settings.height << " dx" << c.settings.dxlevel << " aa"
        << c.settings.antialias << " hdr" << c.settings.hdrLevel;
  }
}

TEST(StandinFpsTest, MorePixelsAndHeavierSettingsAreSlower) {
  const std::int64_t base = FpsTenths(Settings(1280, 1024), std::nullopt);
  EXPECT_GT(FpsTenths(Settings(1024, 768), std::nullopt), base);
  EXPECT_LT(FpsTenths(Settings(1600, 1200), std::nullopt), base);
  EXPECT_LT(FpsTenths(Settings(1280, 1024, 95), std::nullopt), base);
  GameSettings settings = Settings(1280, 1024);
  settings.antialias = 2;
  const std::int64_t antialias2 = FpsTenths(settings, std::nullopt);
  EXPECT_LT(antialias2, base);
  settings.antialias = 8;
  EXPECT_LT(FpsTenths(settings, std::nullopt), antialias2);
  settings = Settings(1280, 1024);
  settings.hdrLevel = 1;
  EXPECT_LT(FpsTenths(settings, std::nullopt), base);
}

TEST(StandinFpsTest, JitterOnlyWithASeedAndRepeatable) {
  const GameSettings settings = Settings(1024, 768);
  const std::int64_t plain = FpsTenths(settings, std::nullopt);
  EXPECT_EQ(FpsTenths(settings, std::nullopt), plain);

  std::set<std::int64_t> seen;
  for (std::uint32_t launch = 1; launch <= 20; ++launch) {
    const std::int64_t jittered = FpsTenths(settings, Jitter{7, launch});
    EXPECT_EQ(FpsTenths(settings, Jitter{7, launch}), jittered);
    EXPECT_GE(jittered, plain * 96 / 100);
    EXPECT_LE(jittered, plain * 104 / 100 + 1);
    seen.insert(jittered);
  }
  EXPECT_GT(seen.size(), 5u) << "launches of one benchmark should differ";
  EXPECT_NE(FpsTenths(settings, Jitter{7, 1}), FpsTenths(settings, Jitter{8, 1}));
}

TEST(StandinFpsTest, ExtremeSizesStayPositive) {
  EXPECT_GE(FpsTenths(Settings(65535, 65535, 98), std::nullopt), 1);
  EXPECT_GE(FpsTenths(Settings(100000, 100000), Jitter{1, 1}), 1);
  EXPECT_EQ(FpsTenths(Settings(0, -5), std::nullopt), FpsTenths(Settings(1, 1), std::nullopt));
}

TEST(StandinFpsTest, TenthsPrintAsPrintfFivePointOne) {
  for (std::int64_t tenths = 0; tenths <= 20000; ++tenths) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "%5.1f", static_cast<double>(tenths) / 10.0);
    ASSERT_EQ(FormatTenths(tenths), expected) << tenths;
  }
  EXPECT_EQ(FormatTenths(457), " 45.7");
  EXPECT_EQ(FormatTenths(7), "  0.7");
  EXPECT_EQ(FormatTenths(123456), "12345.6");
}

TEST(StandinSettingsTest, AutoexecOverridesStoredValuesAndTheCommandLineGivesTheSize) {
  GameOptions options;
  options.width = 1600;
  options.height = 1200;
  options.dxlevel = 95;
  options.fastZReject = 1;
  StoredSettings stored;
  stored.antialias = 8;
  stored.hdrLevel = 1;

  GameSettings settings = ComposeGameSettings(options, stored, "");
  EXPECT_EQ(settings.width, 1600);
  EXPECT_EQ(settings.height, 1200);
  EXPECT_EQ(settings.dxlevel, 95);
  EXPECT_TRUE(settings.fastZReject);
  EXPECT_EQ(settings.antialias, 8);
  EXPECT_EQ(settings.hdrLevel, 1);

  const char* autoexec =
      "// Fenwright - Maximum details\r\n"
      "\r\n"
      "sv_cheats \"1\"\r\n"
      "mat_hdr_level \"2\"\r\n"
      "mat_antialias \"2\"\r\n"
      "MAT_ANTIALIAS 4 // the last line wins\r\n"
      "mat_antialias \"x\"\r\n";
  settings = ComposeGameSettings(options, stored, autoexec);
  EXPECT_EQ(settings.antialias, 4);
  EXPECT_EQ(settings.hdrLevel, 2);
}

TEST(StandinSettingsTest, DefaultsWithoutOptions) {
  GameOptions options;
  options.width = 0;  // a size the game cannot use
  options.height = 600;
  const GameSettings settings = ComposeGameSettings(options, {}, "");
  EXPECT_EQ(settings.width, 1024);
  EXPECT_EQ(settings.height, 768);
  EXPECT_EQ(settings.dxlevel, 90);
  EXPECT_EQ(settings.antialias, 1);
  EXPECT_EQ(settings.hdrLevel, 0);
  EXPECT_FALSE(settings.fastZReject);
}

}  // namespace
}  // namespace tamsendor::standin

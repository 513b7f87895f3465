#include "gameconfig/game_settings.h"

#include <gtest/gtest.h>

#include "tests/common/bench_controls.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::gameconfig {
namespace {

using platform::RegistryRoot;

constexpr char kSid[] = "S-1-5-21-1004336348-1177238915-682003330-1001";

struct GameSettingsTest : ::testing::Test {
  GameSettingsTest() {
    settings.UserSid = kSid;
    registry.CreateKey(RegistryRoot::Users, key);
  }
  std::optional<std::uint32_t> Value(const char* name) const {
    return registry.ReadDword(RegistryRoot::Users, key, name);
  }

  fakes::VirtualUiThread ui;
  tamsendor::testing::BenchControls controls{ui};
  fakes::FakeRegistry registry;
  const std::string key =
      "\\S-1-5-21-1004336348-1177238915-682003330-1001\\Software\\Valve\\Source"
      "\\ep2\\Settings";
  GameRegistrySettings settings{controls.ForGameSettings(), registry};
};

TEST_F(GameSettingsTest, KeyPathUnderTheUsersRoot) {
  EXPECT_EQ(GameSettingsKey(kSid), key);
}

TEST_F(GameSettingsTest, FilteringRows) {
  struct Row {
    int item;
    std::uint32_t aniso;
    std::uint32_t trilinear;
  };
  const Row rows[] = {{0, 1, 0}, {1, 1, 1}, {2, 2, 0}, {3, 4, 0}, {4, 8, 0}, {5, 16, 0}};
  for (const Row& row : rows) {
    controls.AFBox.SetItemIndex(row.item);
    settings.ApplyFilterSettings();
    EXPECT_EQ(Value("mat_forceaniso"), row.aniso) << controls.AFBox.Text();
    EXPECT_EQ(Value("mat_trilinear"), row.trilinear) << controls.AFBox.Text();
    EXPECT_EQ(settings.Lines().AnisoLine, "mat_forceaniso \"" + std::to_string(row.aniso) + "\"");
    EXPECT_EQ(settings.Lines().TrilinearLine,
              "mat_trilinear \"" + std::to_string(row.trilinear) + "\"");
  }
}

TEST_F(GameSettingsTest, AntialiasingRowsInOrder) {
  struct Row {
    int item;
    std::uint32_t quality;
    std::uint32_t samples;
  };
  // "8x CSAA" is 4 samples at quality 2, "16x CSAA" 4 at 4, "16xQ CSAA" 8 at 2.
  const Row rows[] = {{0, 0, 1}, {1, 0, 2}, {2, 0, 4}, {3, 2, 4}, {4, 4, 4}, {5, 0, 8}, {6, 2, 8}};
  for (const Row& row : rows) {
    registry.writes.clear();
    controls.AABox.SetItemIndex(row.item);
    settings.ApplyFilterSettings();
    EXPECT_EQ(registry.writes, (std::vector<std::string>{"mat_aaquality", "mat_antialias",
                                                         "ScreenMSAA", "ScreenMSAAQuality"}));
    EXPECT_EQ(Value("mat_aaquality"), row.quality) << controls.AABox.Text();
    EXPECT_EQ(Value("mat_antialias"), row.samples) << controls.AABox.Text();
    EXPECT_EQ(Value("ScreenMSAA"), row.samples) << controls.AABox.Text();
    EXPECT_EQ(Value("ScreenMSAAQuality"), row.quality) << controls.AABox.Text();
    EXPECT_EQ(settings.Lines().AaQualityLine,
              "mat_aaquality \"" + std::to_string(row.quality) + "\"");
    EXPECT_EQ(settings.Lines().AntialiasLine,
              "mat_antialias \"" + std::to_string(row.samples) + "\"");
  }
}

TEST_F(GameSettingsTest, FromSystemOrNoChoiceWritesNothingAndEmptiesTheLines) {
  controls.AFBox.SetItemIndex(5);
  controls.AABox.SetItemIndex(2);
  settings.ApplyFilterSettings();
  ASSERT_FALSE(settings.Lines().AnisoLine.empty());

  // A second benchmark: "From System" for both, then typed text that matches no entry.
  for (auto choose : {+[](tamsendor::testing::BenchControls& c) {
                        c.AFBox.SetItemIndex(6);
                        c.AABox.SetItemIndex(7);
                      },
                      +[](tamsendor::testing::BenchControls& c) {
                        c.AFBox.HandleTyped("Anisotropic 32x");
                        c.AABox.HandleTyped("");
                      }}) {
    registry.writes.clear();
    choose(controls);
    settings.ApplyFilterSettings();
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(settings.Lines().AnisoLine, "");
    EXPECT_EQ(settings.Lines().TrilinearLine, "");
    EXPECT_EQ(settings.Lines().AaQualityLine, "");
    EXPECT_EQ(settings.Lines().AntialiasLine, "");
  }
}

TEST_F(GameSettingsTest, FixedValuesAndChoicesInOrder) {
  controls.ColorCorrBox.SetChecked(true);
  controls.HDRBox.SetItemIndex(2);
  controls.MBlurBox.SetItemIndex(1);
  settings.WriteGameSettings();
  EXPECT_EQ(registry.writes,
            (std::vector<std::string>{"mat_colorcorrection", "mat_reducefillrate", "mat_hdr_level",
                                      "ShadowDepthTexture", "r_shadowrendertotexture", "mat_picmip",
                                      "mat_parallaxmap", "r_rootlod", "r_waterforcereflectentities",
                                      "r_waterforceexpensive", "mat_vsync", "mat_bumpmap",
                                      "MotionBlur"}));
  EXPECT_EQ(Value("mat_colorcorrection"), 1u);
  EXPECT_EQ(Value("mat_hdr_level"), 2u);
  EXPECT_EQ(Value("mat_picmip"), 0xFFFFFFFFu);
  EXPECT_EQ(Value("MotionBlur"), 0u);  // "Disabled"
  EXPECT_EQ(Value("mat_vsync"), 0u);
  EXPECT_EQ(Value("r_waterforceexpensive"), 1u);

  registry.writes.clear();
  controls.ColorCorrBox.SetChecked(false);
  controls.HDRBox.SetItemIndex(-1);
  controls.MBlurBox.SetItemIndex(0);
  settings.WriteGameSettings();
  EXPECT_EQ(registry.writes.size(), 12u) << "no HDR line without a choice";
  EXPECT_EQ(Value("mat_colorcorrection"), 0u);
  EXPECT_EQ(Value("MotionBlur"), 1u);  // "Enabled"
}

TEST_F(GameSettingsTest, WithoutTheGamesKeyNothingIsWrittenButTheLinesFollowTheChoice) {
  for (const char* sid : {"", "S-1-5-21-1-2-3-1002"}) {
    settings.UserSid = sid;
    controls.AFBox.SetItemIndex(3);
    controls.AABox.SetItemIndex(1);
    settings.ApplyFilterSettings();
    settings.WriteGameSettings();
    EXPECT_TRUE(registry.writes.empty()) << sid;
    EXPECT_EQ(settings.Lines().AnisoLine, "mat_forceaniso \"4\"");
    EXPECT_EQ(settings.Lines().AntialiasLine, "mat_antialias \"2\"");
  }
}

}  // namespace
}  // namespace tamsendor::gameconfig

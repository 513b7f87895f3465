#include "gameconfig/autoexec_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tamsendor::gameconfig {
namespace {

// The lines every composed file starts with.
const std::vector<std::string> kFixed = {
    "// Fenwright - Maximum details",
    "",
    "sv_cheats \"1\"",
    "cl_showfps \"1\"",
    "sv_unlockedchapters \"6\"",
    "ai_norebuildgraph \"1\"",
    "cl_detaildist \"2400\"",
    "cl_detailfade \"800\"",
    "cl_maxrenderable_dist \"6000\"",
    "cl_ragdoll_collide \"1\"",
    "datacachesize \"64\"",
    "lod_TransitionDist \"1600\"",
    "mat_bumpmap \"1\"",
    "mat_envmapsize \"256\"",
    "mat_forcemanagedtextureintohardware \"1\"",
    "mat_parallaxmap \"1\"",
    "mat_picmip \"-1\"",
    "mat_reducefillrate \"0\"",
    "mat_vsync \"0\"",
    "r_cheapwaterend \"100\"",
    "r_decals \"3072\"",
    "r_lod \"-8\"",
    "r_maxdlights \"64\"",
    "r_maxmodeldecal \"100\"",
    "r_maxsampledist \"256\"",
    "r_propsmaxdist \"2400\"",
    "r_rootlod \"0\"",
    "r_shadowrendertotexture \"1\"",
    "r_threaded_particles \"1\"",
    "r_threaded_renderables \"1\"",
    "r_waterforceexpensive \"1\"",
    "r_waterforcereflectentities \"1\"",
    "ShadowDepthTexture \"1\"",
};

std::string File(std::vector<std::string> choiceLines) {
  std::string text;
  for (const std::string& line : kFixed)
    text += line + "\r\n";
  for (const std::string& line : choiceLines)
    text += line + "\r\n";
  return text;
}

// HDR full, colour correction, anisotropic 16x, 4x MSAA, motion blur on.
AutoexecChoices Example() {
  return {2,
          true,
          "mat_forceaniso \"16\"",
          "mat_trilinear \"0\"",
          "mat_aaquality \"0\"",
          "mat_antialias \"4\"",
          0};
}

TEST(AutoexecTextTest, TheFortyLinesOfTheExample) {
  const std::string text = ComposeAutoexecText(Example());
  EXPECT_EQ(text, File({"mat_hdr_level \"2\"", "mat_colorcorrection \"1\"", "mat_forceaniso \"16\"",
                        "mat_trilinear \"0\"", "mat_aaquality \"0\"", "mat_antialias \"4\"",
                        "mat_motion_blur_enabled \"1\""}));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 40);
}

TEST(AutoexecTextTest, ChoicesShapeTheTail) {
  struct Case {
    const char* what;
    AutoexecChoices choices;
    std::vector<std::string> tail;
  };
  AutoexecChoices fromSystem = Example();
  fromSystem.anisoLine.clear();
  fromSystem.trilinearLine.clear();
  AutoexecChoices unchosen = Example();
  unchosen.hdrIndex = -1;
  unchosen.motionBlurIndex = -1;
  AutoexecChoices other{0, false, "mat_forceaniso \"1\"", "mat_trilinear \"1\"", "", "", 1};
  const Case cases[] = {
      {"filtering from the system: lines 36 and 37 empty",
       fromSystem,
       {"mat_hdr_level \"2\"", "mat_colorcorrection \"1\"", "", "", "mat_aaquality \"0\"",
        "mat_antialias \"4\"", "mat_motion_blur_enabled \"1\""}},
      {"no HDR and no motion-blur choice: 38 lines",
       unchosen,
       {"mat_colorcorrection \"1\"", "mat_forceaniso \"16\"", "mat_trilinear \"0\"",
        "mat_aaquality \"0\"", "mat_antialias \"4\""}},
      {"other choices",
       other,
       {"mat_hdr_level \"0\"", "mat_colorcorrection \"0\"", "mat_forceaniso \"1\"",
        "mat_trilinear \"1\"", "", "", "mat_motion_blur_enabled \"0\""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComposeAutoexecText(c.choices), File(c.tail)) << c.what;
}

TEST(AutoexecTextTest, OurFilesAreKnownByTheirOpening) {
  EXPECT_TRUE(LooksComposed(ComposeAutoexecText(Example())));
  EXPECT_TRUE(LooksComposed(ComposeAutoexecText({})));
  EXPECT_FALSE(LooksComposed("bind \"F5\" \"jpeg\"\r\n"));
  EXPECT_FALSE(LooksComposed(""));
  // A user's file that starts like ours but was edited within the fixed part is the user's.
  std::string edited = ComposeAutoexecText(Example());
  edited.replace(edited.find("r_lod \"-8\""), 10, "r_lod \"0\" ");
  EXPECT_FALSE(LooksComposed(edited));
}

}  // namespace
}  // namespace tamsendor::gameconfig

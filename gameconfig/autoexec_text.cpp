#include "gameconfig/autoexec_text.h"

#include <array>

namespace tamsendor::gameconfig {

namespace {

constexpr std::array<std::string_view, 6> kTemplate{
    "// Fenwright - Maximum details",
    "",
    "sv_cheats \"1\"",
    "cl_showfps \"1\"",
    "sv_unlockedchapters \"6\"",
    "ai_norebuildgraph \"1\"",
};

constexpr std::array<std::string_view, 27> kFixedSettings{
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

constexpr std::string_view kLineEnd = "\r\n";

std::string FixedPart() {
  std::string text = AutoexecTemplateText();
  for (std::string_view line : kFixedSettings)
    (text += line) += kLineEnd;
  return text;
}

}  // namespace

std::string AutoexecTemplateText() {
  std::string text;
  for (std::string_view line : kTemplate)
    (text += line) += kLineEnd;
  return text;
}

std::string ComposeAutoexecText(const AutoexecChoices& choices) {
  std::string text = FixedPart();
  auto line = [&text](std::string_view content) { (text += content) += kLineEnd; };
  if (choices.hdrIndex >= 0 && choices.hdrIndex <= 2)
    line("mat_hdr_level \"" + std::to_string(choices.hdrIndex) + "\"");
  line(choices.colorCorrection ? "mat_colorcorrection \"1\"" : "mat_colorcorrection \"0\"");
  line(choices.anisoLine);
  line(choices.trilinearLine);
  line(choices.aaQualityLine);
  line(choices.antialiasLine);
  // "Enabled" is the first entry.
  if (choices.motionBlurIndex == 0)
    line("mat_motion_blur_enabled \"1\"");
  else if (choices.motionBlurIndex == 1)
    line("mat_motion_blur_enabled \"0\"");
  return text;
}

bool LooksComposed(std::string_view fileText) {
  static const std::string fixed = FixedPart();
  return fileText.substr(0, fixed.size()) == fixed;
}

}  // namespace tamsendor::gameconfig

#include "gameconfig/game_settings.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tamsendor::gameconfig {

namespace {

using platform::RegistryRoot;

struct FilterRow {
  std::int32_t forceAniso;
  std::int32_t trilinear;
};

// By `AFBox` item; "From System" (the last) writes nothing.
constexpr std::array<FilterRow, 6> kFiltering{{{1, 0}, {1, 1}, {2, 0}, {4, 0}, {8, 0}, {16, 0}}};

struct AntialiasRow {
  std::int32_t aaQuality;
  std::int32_t antialias;  // also ScreenMSAA
};

// By `AABox` item; "From System" (the last) writes nothing.
constexpr std::array<AntialiasRow, 7> kAntialiasing{
    {{0, 1}, {0, 2}, {0, 4}, {2, 4}, {4, 4}, {0, 8}, {2, 8}}};

std::string ConsoleLine(std::string_view name, std::int32_t value) {
  return std::string(name) + " \"" + std::to_string(value) + "\"";
}

// Negative values are stored as their 32-bit pattern (-1 as 0xFFFFFFFF).
std::uint32_t Dword(std::int32_t value) {
  return static_cast<std::uint32_t>(value);
}

bool Chosen(int index, std::size_t rows) {
  return index >= 0 && static_cast<std::size_t>(index) < rows;
}

}  // namespace

std::string GameSettingsKey(const std::string& userSid) {
  return "\\" + userSid + "\\Software\\Valve\\Source\\ep2\\Settings";
}

void GameRegistrySettings::ApplyFilterSettings() {
  // The console lines follow the choice even without the game's key: the generated autoexec.cfg
  // then still applies it.
  const std::string key = GameSettingsKey(UserSid);
  const bool keyExists = registry_.KeyExists(RegistryRoot::Users, key);
  auto write = [&](const char* name, std::int32_t value) {
    if (keyExists)
      registry_.WriteDword(RegistryRoot::Users, key, name, Dword(value));
  };

  lines_.AnisoLine.clear();
  lines_.TrilinearLine.clear();
  if (const int af = c_.AFBox.ItemIndex(); Chosen(af, kFiltering.size())) {
    const FilterRow& row = kFiltering[static_cast<std::size_t>(af)];
    write("mat_forceaniso", row.forceAniso);
    write("mat_trilinear", row.trilinear);
    lines_.AnisoLine = ConsoleLine("mat_forceaniso", row.forceAniso);
    lines_.TrilinearLine = ConsoleLine("mat_trilinear", row.trilinear);
  }

  lines_.AaQualityLine.clear();
  lines_.AntialiasLine.clear();
  if (const int aa = c_.AABox.ItemIndex(); Chosen(aa, kAntialiasing.size())) {
    const AntialiasRow& row = kAntialiasing[static_cast<std::size_t>(aa)];
    write("mat_aaquality", row.aaQuality);
    write("mat_antialias", row.antialias);
    write("ScreenMSAA", row.antialias);
    write("ScreenMSAAQuality", row.aaQuality);
    lines_.AaQualityLine = ConsoleLine("mat_aaquality", row.aaQuality);
    lines_.AntialiasLine = ConsoleLine("mat_antialias", row.antialias);
  }
}

void GameRegistrySettings::WriteGameSettings() {
  const std::string key = GameSettingsKey(UserSid);
  if (!registry_.KeyExists(RegistryRoot::Users, key))
    return;
  auto write = [&](const char* name, std::int32_t value) {
    registry_.WriteDword(RegistryRoot::Users, key, name, Dword(value));
  };
  write("mat_colorcorrection", c_.ColorCorrBox.Checked() ? 1 : 0);
  write("mat_reducefillrate", 0);
  if (const int hdr = c_.HDRBox.ItemIndex(); Chosen(hdr, 3))
    write("mat_hdr_level", hdr);
  write("ShadowDepthTexture", 1);
  write("r_shadowrendertotexture", 1);
  write("mat_picmip", -1);
  write("mat_parallaxmap", 1);
  write("r_rootlod", 0);
  write("r_waterforcereflectentities", 1);
  write("r_waterforceexpensive", 1);
  write("mat_vsync", 0);
  write("mat_bumpmap", 1);
  // "Enabled" is the first entry.
  if (const int blur = c_.MBlurBox.ItemIndex(); Chosen(blur, 2))
    write("MotionBlur", blur == 0 ? 1 : 0);
}

}  // namespace tamsendor::gameconfig

#pragma once

#include <string>

#include "platform/registry.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"

namespace tamsendor::gameconfig {

// The game's per-user video settings key: under HKEY_USERS, "\" + the user's SID +
// "\Software\Valve\Source\ep2\Settings".
std::string GameSettingsKey(const std::string& userSid);

struct GameSettingsControls {
  ui::ComboBox& AFBox;
  ui::ComboBox& AABox;
  ui::CheckBox& ColorCorrBox;
  ui::ComboBox& HDRBox;
  ui::ComboBox& MBlurBox;
};

// The filter settings as console lines for the generated autoexec.cfg; each one line or empty.
struct FilterLines {
  std::string AnisoLine;
  std::string TrilinearLine;
  std::string AaQualityLine;
  std::string AntialiasLine;
};

// Writes the chosen filtering, antialiasing and fixed maximum-detail values into the game's
// key before a benchmark. The key is never created: without it nothing is written, and the
// generated autoexec.cfg still carries the console settings. The values stay after the
// benchmark; the game's own key is not restored.
class GameRegistrySettings {
 public:
  GameRegistrySettings(const GameSettingsControls& controls, platform::Registry& registry)
      : c_(controls), registry_(registry) {}

  // Read once at start-up; empty when the system does not tell, so no key is found.
  std::string UserSid;

  // Writes the filter values and sets the four filter lines, the lines also
  // when the key is missing. A list without a chosen entry (typed text) writes nothing and leaves
  // its lines empty, as "From System" does, so an earlier benchmark's lines never reach the game.
  void ApplyFilterSettings();
  void WriteGameSettings();
  const FilterLines& Lines() const { return lines_; }

 private:
  GameSettingsControls c_;
  platform::Registry& registry_;
  FilterLines lines_;
};

}  // namespace tamsendor::gameconfig

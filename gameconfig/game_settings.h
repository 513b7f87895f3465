#pragma once

#include <string>

#include "bench/run_state.h"
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

// Writes the chosen filtering, antialiasing and fixed maximum-detail values into the game's
// key before a benchmark. The key is never created: without it nothing is written, and the
// generated autoexec.cfg still carries the console settings. The values stay after the
// benchmark; the game's own key is not restored.
class GameRegistrySettings {
 public:
  GameRegistrySettings(const GameSettingsControls& controls, platform::Registry& registry,
                       bench::RunState& state)
      : c_(controls), registry_(registry), state_(state) {}

  // Read once at start-up; empty when the system does not tell, so no key is found.
  std::string UserSid;

  // Writes the filter values and sets the four filter lines of the run state, the lines also
  // when the key is missing. A list without a chosen entry (typed text) writes nothing and leaves
  // its lines empty, as "From System" does, so an earlier benchmark's lines never reach the game.
  void ApplyFilterSettings();
  void WriteGameSettings();

 private:
  GameSettingsControls c_;
  platform::Registry& registry_;
  bench::RunState& state_;
};

}  // namespace tamsendor::gameconfig

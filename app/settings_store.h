#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/display_mode_list.h"
#include "app/settings_controls.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace tamsendor::app {

// The user's choices kept in the product key, read into the controls at start-up, each by its
// own rule. A missing or unexpected value leaves the control as designed (no selection,
// unchecked), except the two option check boxes, which only "0" unchecks.
class SettingsStore {
 public:
  SettingsStore(platform::Registry& registry, const platform::FileSystem& files,
                const SettingsControls& controls)
      : registry_(registry), files_(files), c_(controls), lists_(controls) {}

  // Rows the display cannot show are disabled and unchecked; the others take their stored tick.
  void ReadResolutions(const OfferedModes& offered);
  // The stored custom size, when the display still offers it as a whole mode; a size it no
  // longer offers, or texts that are no pixel counts, are forgotten ("CusW" and "CusH" become
  // "0"). Nothing stored, or "0", leaves the fields empty.
  void ReadCustomResolution(const OfferedModes& offered);
  void ReadFilterLevels();
  // "RunNumber" 1-5 selects its item and gives the run count; anything else gives none.
  std::optional<int> ReadRunNumber();
  // The chosen demo, and the user's own demo file while it still exists.
  void ReadDemo();
  void ReadNoteAndEngineOptions();

 private:
  platform::Registry& registry_;
  const platform::FileSystem& files_;
  SettingsControls c_;
  StoredLists lists_;
};

}  // namespace tamsendor::app

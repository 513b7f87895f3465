#pragma once

#include <array>
#include <string>

#include "bench/resolution_table.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

namespace tamsendor::bench {

// The user's choices as the main window's controls show them. There is no other copy: whoever
// needs them reads them at the moment of use, so a benchmark always runs what is shown. Each
// field mirrors one stored value of the product key (named beside it). An index is -1 when
// nothing is chosen.
struct BenchSettings {
  std::array<bool, kResolutionRows> ResolutionChecked{};    // "640" ... "hdw3"
  std::array<bool, kResolutionRows> ResolutionAvailable{};  // not stored: the display's offer
  bool CustomResolution = false;                            // "CusRes"
  std::string CustomWidth;                                  // "CusW"
  std::string CustomHeight;                                 // "CusH"
  int DetailLevel = 0;                                      // not stored
  int DemoIndex = -1;                                       // "Demo" (index + 1)
  std::string CustomDemoFile;                               // "Demoname"
  int FilterIndex = -1;                                     // "AFLevel"
  int AntialiasIndex = -1;                                  // "AALevel"
  int RunsIndex = -1;                                       // "RunNumber" (index + 1)
  std::string NoteText;                                     // "Note"
  int HeapsizeIndex = -1;                                   // "Heapsize"
  int RefreshIndex = -1;                                    // "Refresh"
  bool FastZEnabled = false;                                // "FastZ"
  int HDRIndex = -1;                                        // "HDR"
  bool ColorCorrectionEnabled = false;                      // "ColorCorrection"
  int MBlurIndex = -1;                                      // "MBlur"
  int DXLevelIndex = -1;                                    // "DXLevel"

  bool operator==(const BenchSettings&) const = default;
};

// The controls the choices are read from.
struct BenchSettingsControls {
  const ui::CheckGroup& res;
  const ui::CheckBox& cusresbox;
  const ui::Edit& CusWidth;
  const ui::Edit& CusHeight;
  const ui::RadioGroup& DetailBox;
  const ui::RadioGroup& demo;
  const ui::Edit& DemoEdit;
  const ui::ComboBox& AFBox;
  const ui::ComboBox& AABox;
  const ui::ComboBox& RunNumberBox;
  const ui::Edit& NoteEdit;
  const ui::ComboBox& HeapsizeBox;
  const ui::ComboBox& RefreshBox;
  const ui::CheckBox& FastZBox;
  const ui::ComboBox& HDRBox;
  const ui::CheckBox& ColorCorrBox;
  const ui::ComboBox& MBlurBox;
  const ui::ComboBox& DXLevelBox;
};

BenchSettings ReadBenchSettings(const BenchSettingsControls& controls);

}  // namespace tamsendor::bench

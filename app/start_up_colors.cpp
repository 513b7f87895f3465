#include "app/start_up_colors.h"

#include "ui/busy_indicator.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_bar.h"

namespace tamsendor::app {

void ApplyStartUpColors(ui::ControlSet& controls) {
  for (const char* name : {"RzGroup1", "RzGroup3"})
    controls.Get<ui::BarGroup>(name).SetFontColor(ui::Color{200, 200, 200});
  constexpr ui::Color kField{234, 234, 234};
  for (const char* name : {"DemoEdit", "HL2PathEdit", "NoteEdit", "ResEdit"})
    controls.Get<ui::Edit>(name).SetBackgroundColor(kField);
  for (const char* name : {"HDRBox", "HeapsizeBox", "RefreshBox", "AFBox", "AABox"})
    controls.Get<ui::ComboBox>(name).SetBackgroundColor(kField);
  auto& progress = controls.Get<ui::BusyIndicator>("AdvCircularProgress1");
  progress.SetActiveColor({200, 200, 200});
  progress.SetTransitionColor({11, 55, 234});
}

}  // namespace tamsendor::app

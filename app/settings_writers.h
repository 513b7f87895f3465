#pragma once

#include "app/settings_controls.h"
#include "platform/registry.h"

namespace tamsendor::app {

// Stores each choice in the product key as soon as its control says so: drop-down lists and the
// note when they change, check boxes, the resolution group and (again) most lists when the
// pointer leaves them. A toggle alone is not stored until the pointer leaves; a benchmark reads
// the controls, not the store, so it always runs what is shown. With the key missing nothing is
// written.
class SettingsWriters {
 public:
  SettingsWriters(platform::Registry& registry, const SettingsControls& controls)
      : registry_(registry), c_(controls), lists_(controls) {}

  void resMouseLeave();
  void cusresboxMouseLeave();
  void AFBoxChange() { WriteStoredList(registry_, lists_.AFLevel); }
  void AABoxChange() { WriteStoredList(registry_, lists_.AALevel); }
  void NoteEditChange();
  void HeapsizeBoxMouseLeave() { WriteStoredList(registry_, lists_.Heapsize); }
  void RefreshBoxChange() { WriteStoredList(registry_, lists_.Refresh); }
  void RefreshBoxMouseLeave() { RefreshBoxChange(); }
  void HDRBoxChange() { WriteStoredList(registry_, lists_.HDR); }
  void HDRBoxMouseLeave() { HDRBoxChange(); }
  void MBlurBoxChange() { WriteStoredList(registry_, lists_.MBlur); }
  void MBlurBoxMouseLeave() { MBlurBoxChange(); }
  void DXLevelBoxChange() { WriteStoredList(registry_, lists_.DXLevel); }
  void DXLevelBoxMouseLeave() { DXLevelBoxChange(); }
  void FastZBoxMouseLeave();
  void ColorCorrBoxMouseLeave();

 private:
  platform::Registry& registry_;
  SettingsControls c_;
  StoredLists lists_;
};

}  // namespace tamsendor::app

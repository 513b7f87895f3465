#include "app/settings_writers.h"

#include "core/product_key.h"
#include "core/resolution_table.h"

namespace tamsendor::app {

namespace {

const char* Flag(bool on) {
  return on ? "1" : "0";
}

}  // namespace

void SettingsWriters::resMouseLeave() {
  for (const core::ResolutionEntry& row : core::kResolutionTable)
    core::WriteProductValue(registry_, row.SettingName,
                            Flag(c_.res.ItemChecked(static_cast<std::size_t>(row.Row))));
}

void SettingsWriters::cusresboxMouseLeave() {
  // A tick without a size to run is not kept.
  const bool chosen =
      c_.cusresbox.Checked() && !c_.CusWidth.Text().empty() && !c_.CusHeight.Text().empty();
  core::WriteProductValue(registry_, core::CustomResolution::SettingName, Flag(chosen));
}

void SettingsWriters::NoteEditChange() {
  core::WriteProductValue(registry_, "Note", c_.NoteEdit.Text());
}

void SettingsWriters::FastZBoxMouseLeave() {
  core::WriteProductValue(registry_, "FastZ", Flag(c_.FastZBox.Checked()));
}

void SettingsWriters::ColorCorrBoxMouseLeave() {
  core::WriteProductValue(registry_, "ColorCorrection", Flag(c_.ColorCorrBox.Checked()));
}

}  // namespace tamsendor::app

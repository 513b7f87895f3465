#include "app/settings_store.h"

#include "core/product_key.h"
#include "core/resolution_table.h"

namespace tamsendor::app {

using core::ReadProductValue;

void SettingsStore::ReadResolutions(const OfferedModes& offered) {
  for (const core::ResolutionEntry& row : core::kResolutionTable) {
    const auto item = static_cast<std::size_t>(row.Row);
    if (offered.Offers(std::string(row.ModeText))) {
      c_.res.SetItemEnabled(item, true);
      c_.res.SetItemChecked(item, ReadProductValue(registry_, row.SettingName) == "1");
    } else {
      c_.res.SetItemChecked(item, false);
      c_.res.SetItemEnabled(item, false);
    }
  }
}

void SettingsStore::ReadCustomResolution(const OfferedModes& offered) {
  using Custom = core::CustomResolution;
  const std::string width = ReadProductValue(registry_, Custom::WidthSettingName);
  const std::string height = ReadProductValue(registry_, Custom::HeightSettingName);
  if (width == "0" || height == "0" || width.empty() || height.empty())
    return;
  // Only two pixel counts that make a whole offered size are restored: these texts go into the
  // game's command line. Anything else is forgotten, as a size the display no longer offers.
  if (!core::IsPixelCountText(width) || !core::IsPixelCountText(height) ||
      !offered.Offers(width + " x " + height)) {
    core::WriteProductValue(registry_, Custom::WidthSettingName, "0");
    core::WriteProductValue(registry_, Custom::HeightSettingName, "0");
    return;
  }
  c_.CusWidth.SetText(width);
  c_.CusHeight.SetText(height);
  c_.cusresbox.SetChecked(ReadProductValue(registry_, Custom::SettingName) == "1" &&
                          !c_.CusWidth.Text().empty() && !c_.CusHeight.Text().empty());
}

void SettingsStore::ReadFilterLevels() {
  ReadStoredList(registry_, lists_.AFLevel);
  ReadStoredList(registry_, lists_.AALevel);
}

std::optional<int> SettingsStore::ReadRunNumber() {
  ReadStoredList(registry_, lists_.RunNumber);
  if (c_.RunNumberBox.ItemIndex() < 0)
    return std::nullopt;
  return c_.RunNumberBox.ItemIndex() + 1;
}

void SettingsStore::ReadDemo() {
  const std::string demo = ReadProductValue(registry_, "Demo");
  if (demo == "1" || demo == "2" || demo == "3")
    c_.demo.SetItemIndex(demo[0] - '1');
  const std::string demoFile = ReadProductValue(registry_, "Demoname");
  if (!demoFile.empty() && files_.FileExists(demoFile))
    c_.DemoEdit.SetText(demoFile);
}

void SettingsStore::ReadNoteAndEngineOptions() {
  c_.NoteEdit.SetText(ReadProductValue(registry_, "Note"));
  ReadStoredList(registry_, lists_.HDR);
  ReadStoredList(registry_, lists_.Heapsize);
  ReadStoredList(registry_, lists_.Refresh);
  c_.FastZBox.SetChecked(ReadProductValue(registry_, "FastZ") != "0");
  c_.ColorCorrBox.SetChecked(ReadProductValue(registry_, "ColorCorrection") != "0");
  ReadStoredList(registry_, lists_.MBlur);
  ReadStoredList(registry_, lists_.DXLevel);
}

}  // namespace tamsendor::app

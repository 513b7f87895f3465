#pragma once

#include "app/stored_list.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

namespace tamsendor::app {

// The main window's controls whose choices the product key keeps.
struct SettingsControls {
  ui::CheckGroup& res;
  ui::CheckBox& cusresbox;
  ui::Edit& CusWidth;
  ui::Edit& CusHeight;
  ui::RadioGroup& demo;
  ui::Edit& DemoEdit;
  ui::ComboBox& AFBox;
  ui::ComboBox& AABox;
  ui::ComboBox& RunNumberBox;
  ui::Edit& NoteEdit;
  ui::ComboBox& HeapsizeBox;
  ui::ComboBox& RefreshBox;
  ui::ComboBox& HDRBox;
  ui::ComboBox& MBlurBox;
  ui::ComboBox& DXLevelBox;
  ui::CheckBox& FastZBox;
  ui::CheckBox& ColorCorrBox;
};

// The drop-down choices and how each item is stored.
struct StoredLists {
  explicit StoredLists(const SettingsControls& c)
      : AFLevel{c.AFBox, "AFLevel", {"0", "1", "2", "3", "4", "5", "6"}},
        AALevel{c.AABox, "AALevel", {"0", "1", "2", "3", "4", "5", "6", "7"}},
        RunNumber{c.RunNumberBox, "RunNumber", {"1", "2", "3", "4", "5"}},
        HDR{c.HDRBox, "HDR", {"0", "1", "2"}},
        Heapsize{c.HeapsizeBox, "Heapsize", {"64000", "128000", "256000", "512000", "1024000"}},
        Refresh{c.RefreshBox, "Refresh", {"60", "70", "75", "85"}},
        MBlur{c.MBlurBox, "MBlur", {"0", "1"}},
        DXLevel{c.DXLevelBox, "DXLevel", {"0", "1"}} {}

  StoredList AFLevel;
  StoredList AALevel;
  StoredList RunNumber;
  StoredList HDR;
  StoredList Heapsize;
  StoredList Refresh;
  StoredList MBlur;
  StoredList DXLevel;
};

}  // namespace tamsendor::app

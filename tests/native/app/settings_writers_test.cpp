#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "tests/native/app/started_form.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

// Every value the writers of this window may store.
const char* const kWrittenValues[] = {"640",      "800",      "1024",    "1280",
                                      "1600",     "2048",     "hdw1",    "hdw2",
                                      "hdw3",     "CusRes",   "AFLevel", "AALevel",
                                      "Note",     "Heapsize", "Refresh", "HDR",
                                      "MBlur",    "DXLevel",  "FastZ",   "ColorCorrection",
                                      "RunNumber"};

struct Trigger {
  const char* what;
  std::function<void(StartedForm&)> act;
  std::map<std::string, std::string> written;  // every value written, and nothing else
};

std::vector<Trigger> Triggers() {
  auto combo = [](StartedForm& s, const char* name) -> ui::ComboBox& {
    return s.Control<ui::ComboBox>(name);
  };
  return {
      {"res: ticks stored when the pointer leaves",
       [](StartedForm& s) {
         auto& res = s.Control<ui::CheckGroup>("res");
         res.HandleItemToggle(0);
         res.HandleItemToggle(8);
         res.HandleMouseLeave();
       },
       {{"640", "1"},
        {"800", "0"},
        {"1024", "0"},
        {"1280", "0"},
        {"1600", "0"},
        {"2048", "0"},
        {"hdw1", "0"},
        {"hdw2", "0"},
        {"hdw3", "1"}}},
      {"cusresbox without a size",
       [](StartedForm& s) {
         s.Control<ui::CheckBox>("cusresbox").HandleToggle();
         s.Control<ui::CheckBox>("cusresbox").HandleMouseLeave();
       },
       {{"CusRes", "0"}}},
      {"cusresbox with a size",
       [](StartedForm& s) {
         s.Control<ui::Edit>("CusWidth").SetText("1280");
         s.Control<ui::Edit>("CusHeight").SetText("720");
         s.Control<ui::CheckBox>("cusresbox").HandleToggle();
         s.Control<ui::CheckBox>("cusresbox").HandleMouseLeave();
       },
       {{"CusRes", "1"}}},
      {"AFBox change",
       [=](StartedForm& s) { combo(s, "AFBox").HandleSelect(5); },
       {{"AFLevel", "5"}}},
      {"AABox change",
       [=](StartedForm& s) { combo(s, "AABox").HandleSelect(7); },
       {{"AALevel", "7"}}},
      {"RunNumberBox change",
       [=](StartedForm& s) { combo(s, "RunNumberBox").HandleSelect(2); },
       {{"RunNumber", "3"}}},
      {"NoteEdit typing",
       [](StartedForm& s) { s.Control<ui::Edit>("NoteEdit").HandleTyped("fresh install"); },
       {{"Note", "fresh install"}}},
      {"HeapsizeBox change",
       [=](StartedForm& s) { combo(s, "HeapsizeBox").HandleSelect(1); },
       {{"Heapsize", "128000"}}},
      {"RefreshBox change",
       [=](StartedForm& s) { combo(s, "RefreshBox").HandleSelect(2); },
       {{"Refresh", "75"}}},
      {"HDRBox change",
       [=](StartedForm& s) { combo(s, "HDRBox").HandleSelect(2); },
       {{"HDR", "2"}}},
      {"MBlurBox change",
       [=](StartedForm& s) { combo(s, "MBlurBox").HandleSelect(1); },
       {{"MBlur", "1"}}},
      {"DXLevelBox change",
       [=](StartedForm& s) { combo(s, "DXLevelBox").HandleSelect(0); },
       {{"DXLevel", "0"}}},
      {"lists stored again when the pointer leaves",
       [=](StartedForm& s) {
         const std::pair<const char*, int> chosen[] = {{"HeapsizeBox", 4},
                                                       {"RefreshBox", 3},
                                                       {"HDRBox", 1},
                                                       {"MBlurBox", 0},
                                                       {"DXLevelBox", 1}};
         for (const auto& [name, index] : chosen) {
           combo(s, name).SetItemIndex(index);
           combo(s, name).HandleMouseLeave();
         }
       },
       {{"Heapsize", "1024000"},
        {"Refresh", "85"},
        {"HDR", "1"},
        {"MBlur", "0"},
        {"DXLevel", "1"}}},
      {"lists without a choice store nothing when the pointer leaves",
       [=](StartedForm& s) {
         for (const char* name : {"HeapsizeBox", "RefreshBox", "HDRBox", "MBlurBox", "DXLevelBox"})
           combo(s, name).HandleMouseLeave();
       },
       {}},
      {"a typed text that is no item stores nothing",
       [=](StartedForm& s) { combo(s, "AFBox").HandleTyped("Bilinear-ish"); },
       {}},
      {"FastZBox toggled, pointer leaves",
       [](StartedForm& s) {
         s.Control<ui::CheckBox>("FastZBox").HandleToggle();
         s.Control<ui::CheckBox>("FastZBox").HandleMouseLeave();
       },
       {{"FastZ", "0"}}},
      {"ColorCorrBox pointer leaves",
       [](StartedForm& s) { s.Control<ui::CheckBox>("ColorCorrBox").HandleMouseLeave(); },
       {{"ColorCorrection", "1"}}},
      {"toggles from the keyboard without the pointer leaving store nothing",
       [](StartedForm& s) {
         s.Control<ui::CheckBox>("FastZBox").HandleToggle();
         s.Control<ui::CheckBox>("ColorCorrBox").HandleToggle();
         s.Control<ui::CheckGroup>("res").HandleItemToggle(1);
         s.Control<ui::CheckBox>("cusresbox").HandleToggle();
       },
       {}},
  };
}

StartedForm& Started(StartedForm& s) {
  s.services.display.modes = {{640, 480}, {800, 600}, {1920, 1200}};
  s.Start();
  for (const char* name : kWrittenValues)
    s.services.registry.WriteString(core::kProductRoot, std::string(core::kProductKey), name,
                                    "before");
  return s;
}

TEST(SettingsWritersTest, EachTriggerStoresItsValueAtOnce) {
  for (const Trigger& trigger : Triggers()) {
    StartedForm s;
    Started(s);
    trigger.act(s);
    for (const char* name : kWrittenValues) {
      const auto written = trigger.written.find(name);
      EXPECT_EQ(s.Stored(name), written == trigger.written.end() ? "before" : written->second)
          << trigger.what << ": " << name;
    }
  }
}

TEST(SettingsWritersTest, NothingIsWrittenWithoutTheProductKey) {
  for (const Trigger& trigger : Triggers()) {
    StartedForm s;
    Started(s);
    s.services.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
    const int attemptedBefore = s.services.registry.attemptedWrites;
    trigger.act(s);
    EXPECT_EQ(s.services.registry.attemptedWrites, attemptedBefore) << trigger.what;
    EXPECT_FALSE(s.services.registry.KeyExists(core::kProductRoot, std::string(core::kProductKey)))
        << trigger.what;
  }
}

}  // namespace
}  // namespace tamsendor::app

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/app/started_form.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

// A display that offers every fixed resolution but 2048 x 1536, some more than once.
const std::vector<platform::DisplayMode> kUsualModes = {
    {640, 480},   {640, 480},   {800, 600},   {1024, 768},  {1280, 720},  {1280, 768},
    {1280, 1024}, {1280, 1024}, {1600, 1200}, {1920, 1080}, {1920, 1200},
};

const char* const kLists[] = {"AFBox",      "AABox",  "RunNumberBox", "HeapsizeBox",
                              "RefreshBox", "HDRBox", "MBlurBox",     "DXLevelBox"};

TEST(SettingsStartUpTest, AnEmptyProductKeyShowsTheDesign) {
  StartedForm s;
  s.services.display.modes = kUsualModes;
  const TForm1& form = s.Start();

  const auto& res = s.Control<ui::CheckGroup>("res");
  for (std::size_t item = 0; item < res.ItemCount(); ++item) {
    EXPECT_FALSE(res.ItemChecked(item)) << item;
    EXPECT_EQ(res.ItemEnabled(item), item != 5) << item;  // 2048 x 1536 is not offered
  }
  for (const char* list : kLists)
    EXPECT_EQ(s.Control<ui::ComboBox>(list).ItemIndex(), -1) << list;
  EXPECT_TRUE(s.Control<ui::CheckBox>("FastZBox").Checked());
  EXPECT_TRUE(s.Control<ui::CheckBox>("ColorCorrBox").Checked());
  EXPECT_FALSE(s.Control<ui::CheckBox>("cusresbox").Checked());
  EXPECT_EQ(s.Control<ui::Edit>("CusWidth").Text(), "");
  EXPECT_EQ(s.Control<ui::RadioGroup>("demo").ItemIndex(), -1);
  EXPECT_EQ(s.Control<ui::Edit>("DemoEdit").Text(), "");
  EXPECT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "");
  EXPECT_EQ(form.Progress().RunCount, 0);
  EXPECT_TRUE(s.services.dialogs.messages.empty());
}

TEST(SettingsStartUpTest, AResolutionTheDisplayDoesNotOfferIsDisabledAndUnchecked) {
  StartedForm s;
  s.services.display.modes = kUsualModes;
  for (const char* name : {"640", "800", "1024", "1280", "1600", "2048", "hdw1", "hdw2", "hdw3"})
    s.Store(name, "1");
  s.Store("800", "0");
  s.Store("1024", "yes");
  s.Start();
  const auto& res = s.Control<ui::CheckGroup>("res");
  const bool checked[] = {true, false, false, true, true, false, true, true, true};
  for (std::size_t item = 0; item < 9; ++item)
    EXPECT_EQ(res.ItemChecked(item), checked[item]) << item;
  EXPECT_FALSE(res.ItemEnabled(5));
  EXPECT_EQ(s.Stored("2048"), "1") << "reading changes nothing stored";
}

TEST(SettingsStartUpTest, OnlyAWholeOfferedModeOffersARow) {
  StartedForm s;
  // Each holds the text of a row ("640 x 480", "800 x 600", "1280 x 768") inside a larger size.
  s.services.display.modes = {{1640, 480}, {1800, 600}, {1280, 7680}, {1024, 768}};
  for (const char* name : {"640", "800", "1024", "hdw1"})
    s.Store(name, "1");
  s.Start();
  const auto& res = s.Control<ui::CheckGroup>("res");
  for (std::size_t item = 0; item < res.ItemCount(); ++item) {
    EXPECT_EQ(res.ItemEnabled(item), item == 2) << item;
    EXPECT_EQ(res.ItemChecked(item), item == 2) << item;
  }
}

TEST(SettingsStartUpTest, EachStoredChoiceSelectsOnlyItsOwnTexts) {
  struct Case {
    const char* value;
    const char* stored;
    const char* list;
    int index;
  };
  const Case cases[] = {
      {"AFLevel", "0", "AFBox", 0},
      {"AFLevel", "6", "AFBox", 6},
      {"AFLevel", "7", "AFBox", -1},
      {"AFLevel", " 3", "AFBox", -1},
      {"AALevel", "7", "AABox", 7},
      {"AALevel", "8", "AABox", -1},
      {"RunNumber", "1", "RunNumberBox", 0},
      {"RunNumber", "5", "RunNumberBox", 4},
      {"RunNumber", "0", "RunNumberBox", -1},
      {"RunNumber", "6", "RunNumberBox", -1},
      {"HDR", "2", "HDRBox", 2},
      {"HDR", "3", "HDRBox", -1},
      {"Heapsize", "64000", "HeapsizeBox", 0},
      {"Heapsize", "1024000", "HeapsizeBox", 4},
      {"Heapsize", "1024", "HeapsizeBox", -1},
      {"Refresh", "60", "RefreshBox", 0},
      {"Refresh", "85", "RefreshBox", 3},
      {"Refresh", "100", "RefreshBox", -1},
      {"MBlur", "0", "MBlurBox", 0},
      {"MBlur", "1", "MBlurBox", 1},
      {"MBlur", "2", "MBlurBox", -1},
      {"DXLevel", "1", "DXLevelBox", 1},
      {"DXLevel", "", "DXLevelBox", -1},
  };
  for (const Case& c : cases) {
    StartedForm s;
    s.Store(c.value, c.stored);
    const TForm1& form = s.Start();
    EXPECT_EQ(s.Control<ui::ComboBox>(c.list).ItemIndex(), c.index)
        << c.value << " = \"" << c.stored << "\"";
    if (std::string(c.value) == "RunNumber") {
      EXPECT_EQ(form.Progress().RunCount, c.index + 1) << c.stored;
    }
  }
}

TEST(SettingsStartUpTest, OnlyZeroUnchecksAnOptionBox) {
  struct Case {
    const char* stored;
    bool checked;
  };
  const Case cases[] = {{"0", false}, {"1", true}, {"", true}, {"off", true}};
  for (const Case& c : cases) {
    for (const auto& [value, box] :
         {std::pair{"FastZ", "FastZBox"}, std::pair{"ColorCorrection", "ColorCorrBox"}}) {
      StartedForm s;
      s.Store(value, c.stored);
      s.Start();
      EXPECT_EQ(s.Control<ui::CheckBox>(box).Checked(), c.checked)
          << value << " = \"" << c.stored << "\"";
    }
  }
}

TEST(SettingsStartUpTest, TheNoteAndTheDemoAreShown) {
  struct Case {
    const char* demo;
    const char* demoFile;
    bool fileExists;
    int index;
    const char* shownFile;
  };
  const Case cases[] = {
      {"1", "", false, 0, ""},
      {"3", "D:\\Demos\\mine.dem", true, 2, "D:\\Demos\\mine.dem"},
      {"3", "D:\\Demos\\gone.dem", false, 2, ""},
      {"4", "D:\\Demos\\mine.dem", true, -1, "D:\\Demos\\mine.dem"},
      {"", "", false, -1, ""},
  };
  for (const Case& c : cases) {
    StartedForm s;
    s.Store("Demo", c.demo);
    s.Store("Demoname", c.demoFile);
    s.Store("Note", "new driver, 4x AA");
    if (c.fileExists)
      s.services.files.AddFile(c.demoFile, "demo");
    s.Start();
    EXPECT_EQ(s.Control<ui::RadioGroup>("demo").ItemIndex(), c.index) << c.demo;
    EXPECT_EQ(s.Control<ui::Edit>("DemoEdit").Text(), c.shownFile) << c.demoFile;
    EXPECT_EQ(s.Control<ui::Edit>("NoteEdit").Text(), "new driver, 4x AA");
    EXPECT_EQ(s.Stored("Note"), "new driver, 4x AA");
  }
}

TEST(SettingsStartUpTest, TheStoredCustomSizeIsKeptOnlyWhileTheDisplayOffersIt) {
  struct Case {
    const char* what;
    const char* width;
    const char* height;
    const char* chosen;
    std::vector<platform::DisplayMode> modes;
    const char* shownWidth;
    const char* shownHeight;
    bool checked;
    const char* storedWidth;
    const char* storedHeight;
  };
  const Case cases[] = {
      {"offered and chosen", "1280", "720", "1", kUsualModes, "1280", "720", true, "1280", "720"},
      {"offered, not chosen", "1280", "720", "0", kUsualModes, "1280", "720", false, "1280", "720"},
      {"no longer offered", "1280", "720", "1", {{640, 480}, {1024, 768}}, "", "", false, "0", "0"},
      {"no width", "0", "720", "1", kUsualModes, "", "", false, "0", "720"},
      {"no height", "1280", "0", "1", {{640, 480}}, "", "", false, "1280", "0"},
      {"nothing stored", "", "", "1", kUsualModes, "", "", false, "", ""},
      // Only a whole offered size counts, and only as digits: anything else is forgotten.
      {"a width inside an offered size", "80", "1024", "1", kUsualModes, "", "", false, "0", "0"},
      {"a height inside an offered size", "1280", "10", "1", kUsualModes, "", "", false, "0", "0"},
      {"a line break and more words", "1024", "768\r\n1280 x 1024", "1", kUsualModes, "", "", false,
       "0", "0"},
      {"blanks", "1280 ", "720", "1", kUsualModes, "", "", false, "0", "0"},
      {"a leading zero", "1280", "0720", "1", kUsualModes, "", "", false, "0", "0"},
  };
  for (const Case& c : cases) {
    StartedForm s;
    s.services.display.modes = c.modes;
    s.Store("CusW", c.width);
    s.Store("CusH", c.height);
    s.Store("CusRes", c.chosen);
    s.Start();
    EXPECT_EQ(s.Control<ui::Edit>("CusWidth").Text(), c.shownWidth) << c.what;
    EXPECT_EQ(s.Control<ui::Edit>("CusHeight").Text(), c.shownHeight) << c.what;
    EXPECT_EQ(s.Control<ui::CheckBox>("cusresbox").Checked(), c.checked) << c.what;
    EXPECT_EQ(s.Stored("CusW"), c.storedWidth) << c.what;
    EXPECT_EQ(s.Stored("CusH"), c.storedHeight) << c.what;
  }
}

TEST(SettingsStartUpTest, WithoutTheProductKeyNothingIsReadOrWritten) {
  StartedForm s;
  s.services.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
  s.services.display.modes = {{640, 480}};
  s.SetSteamPath("c:/steam");
  s.services.search.AddFile("c:/steam/steamapps\\common\\half-life 2 episode two\\hl2.exe");
  s.Start();
  EXPECT_FALSE(s.services.registry.KeyExists(core::kProductRoot, std::string(core::kProductKey)));
  EXPECT_TRUE(s.services.search.Searches().empty());
  EXPECT_EQ(s.Control<ui::Edit>("HL2PathEdit").Text(), "");
  EXPECT_EQ(s.Control<ui::Edit>("ResEdit").Text(), "");
  // The program's own folders are set up before the key is looked at.
  EXPECT_EQ(s.form->Folders().ProgramFolder, "C:\\Program Files\\Korvalin Tamsendor\\");
  EXPECT_TRUE(s.services.files.DirectoryExists("C:\\Program Files\\Korvalin Tamsendor\\Benchmark"));
}

}  // namespace
}  // namespace tamsendor::app

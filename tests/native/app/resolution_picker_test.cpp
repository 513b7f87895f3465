#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/picker_form.h"
#include "tests/native/app/started_form.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_list.h"
#include "ui/edit.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

// The main window on fakes with the picker made after it, as the program entry does.
struct ResolutionPickerTest : ::testing::Test {
  ResolutionPickerTest() {
    machine.services.display.modes = {{1024, 768}, {1280, 1024}, {800, 600}};
    machine.Start();
    picker = std::make_unique<TForm3>(*machine.form, machine.services.registry,
                                      machine.services.display, machine.services.ui);
  }

  ui::Form& Picker() { return picker->Form(); }
  ui::Form& MainWindow() { return machine.form->Form(); }
  ui::CheckList& List() { return picker->Controls().Get<ui::CheckList>("RzCheckList1"); }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (const auto& item : List().Items())
      captions.push_back(item.caption);
    return captions;
  }
  std::size_t TickedCount() {
    const auto& items = List().Items();
    return static_cast<std::size_t>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item.checked; }));
  }
  void Tick(const std::string& caption) {
    const auto captions = Captions();
    const auto at = std::find(captions.begin(), captions.end(), caption);
    ASSERT_NE(at, captions.end()) << caption;
    List().HandleItemToggle(static_cast<std::size_t>(at - captions.begin()));
  }
  // "Possibilities", and the system makes the picker the active window.
  void Open() {
    machine.Control<ui::Button>("CusPossibilities").HandleClick();
    Picker().HandleActivated(true);
  }
  void PressAdd() { picker->Controls().Get<ui::Button>("RzButton1").HandleClick(); }
  void PressClose() { picker->Controls().Get<ui::PictureButton>("RzToolButton1").HandleClick(); }
  ui::Edit& Field(const char* name) { return machine.Control<ui::Edit>(name); }
  void ExpectClosedOverAnEnabledMainWindow() {
    EXPECT_FALSE(Picker().Visible());
    EXPECT_FALSE(Picker().Modal());
    EXPECT_TRUE(MainWindow().Enabled());
  }

  testing::StartedForm machine;
  std::unique_ptr<TForm3> picker;
};

TEST_F(ResolutionPickerTest, WindowDesign) {
  EXPECT_EQ(Picker().Bounds(), (ui::Bounds{0, 0, 228, 502}));
  EXPECT_EQ(Picker().BorderStyle(), ui::BorderStyle::None);
  EXPECT_TRUE(Picker().StaysOnTop());
  EXPECT_EQ(Picker().Position(), ui::FormPosition::OwnerCenter);
  EXPECT_FALSE(Picker().Visible());

  const auto& close = picker->Controls().Get<ui::PictureButton>("RzToolButton1");
  EXPECT_EQ(close.Left(), 200);
  EXPECT_EQ(close.Top(), 8);
  EXPECT_EQ(close.Picture(), "close");
  EXPECT_EQ(close.Cursor(), ui::Cursor::HandPoint);
  EXPECT_EQ(List().Bounds(), (ui::Bounds{8, 64, 129, 433}));
  EXPECT_EQ(List().ItemHeight(), 17);
  EXPECT_EQ(List().ItemCount(), 0u);
  const auto& add = picker->Controls().Get<ui::Button>("RzButton1");
  EXPECT_EQ(add.Left(), 144);
  EXPECT_EQ(add.Top(), 112);
  EXPECT_EQ(add.Caption(), "Add");
  EXPECT_EQ(add.Cursor(), ui::Cursor::HandPoint);
  EXPECT_EQ(machine.Control<ui::Button>("CusPossibilities").Caption(), "Possibilities");
}

TEST_F(ResolutionPickerTest, PossibilitiesShowsThePickerModallyOverTheMainWindow) {
  machine.Control<ui::Button>("CusPossibilities").HandleClick();
  EXPECT_TRUE(Picker().Visible());
  EXPECT_TRUE(Picker().Modal());
  EXPECT_FALSE(MainWindow().Enabled());

  PressClose();
  ExpectClosedOverAnEnabledMainWindow();
  Open();
  EXPECT_TRUE(Picker().Modal());
  EXPECT_EQ(List().ItemCount(), 3u);

  // Escape leaves it as the close button does, without taking a ticked size.
  Tick("1280 x 1024");
  Picker().HandleCancel();
  ExpectClosedOverAnEnabledMainWindow();
  EXPECT_EQ(Field("CusWidth").Text(), "");
}

TEST_F(ResolutionPickerTest, EveryActivationListsTheOfferedSizesOnceEachAndUnticked) {
  // 1280 x 720 at three refresh rates and two colour depths of 800 x 600.
  machine.services.display.modes = {{1280, 720}, {800, 600},  {1280, 720},
                                    {1024, 768}, {1280, 720}, {800, 600}};
  Open();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"1280 x 720", "800 x 600", "1024 x 768"}));
  EXPECT_EQ(TickedCount(), 0u);

  // The user goes to another program and comes back, by which time the display offers more.
  Tick("800 x 600");
  Picker().HandleActivated(false);
  EXPECT_EQ(TickedCount(), 1u);  // the list stays as it was while the picker is not active
  machine.services.display.modes.push_back({1920, 1080});
  Picker().HandleActivated(true);
  EXPECT_EQ(Captions(),
            (std::vector<std::string>{"1280 x 720", "800 x 600", "1024 x 768", "1920 x 1080"}));
  EXPECT_EQ(TickedCount(), 0u);

  // Closed and opened again: the ticks are gone as well.
  Tick("1024 x 768");
  PressClose();
  Open();
  EXPECT_EQ(TickedCount(), 0u);
}

TEST_F(ResolutionPickerTest, AddTakesTheFirstTickedSizeIntoTheFieldsAndTheStore) {
  Open();
  Tick("1280 x 1024");
  Tick("1024 x 768");  // ticked later, but listed first
  PressAdd();
  EXPECT_EQ(Field("CusWidth").Text(), "1024");
  EXPECT_EQ(Field("CusHeight").Text(), "768");
  EXPECT_EQ(machine.Stored("CusW"), "1024");
  EXPECT_EQ(machine.Stored("CusH"), "768");
  ExpectClosedOverAnEnabledMainWindow();
  // Choosing the custom size for a benchmark stays the user's own tick.
  EXPECT_FALSE(machine.Control<ui::CheckBox>("cusresbox").Checked());
  EXPECT_EQ(machine.Stored("CusRes"), std::nullopt);
}

TEST_F(ResolutionPickerTest, WaysOutWithoutASizeChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(ResolutionPickerTest&)> act;
  };
  const Case cases[] = {
      {"Add with nothing ticked", [](ResolutionPickerTest& t) { t.PressAdd(); }},
      {"close button with a tick",
       [](ResolutionPickerTest& t) {
         t.Tick("800 x 600");
         t.PressClose();
       }},
      {"closed by the system with a tick",
       [](ResolutionPickerTest& t) {
         t.Tick("800 x 600");
         t.Picker().Close();
       }},
      {"a tick lost by going to another program and back, then Add",
       [](ResolutionPickerTest& t) {
         t.Tick("800 x 600");
         t.Picker().HandleActivated(false);
         t.Picker().HandleActivated(true);
         t.PressAdd();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Field("CusWidth").SetText("1280");
    Field("CusHeight").SetText("1024");
    const auto writes = machine.services.registry.writes.size();
    Open();
    c.act(*this);
    EXPECT_EQ(Field("CusWidth").Text(), "1280");
    EXPECT_EQ(Field("CusHeight").Text(), "1024");
    EXPECT_EQ(machine.services.registry.writes.size(), writes);
    ExpectClosedOverAnEnabledMainWindow();
  }
}

TEST_F(ResolutionPickerTest, WithoutTheProductKeyAddFillsTheFieldsAndStoresNothing) {
  machine.services.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
  Open();
  Tick("800 x 600");
  PressAdd();
  EXPECT_EQ(Field("CusWidth").Text(), "800");
  EXPECT_EQ(Field("CusHeight").Text(), "600");
  EXPECT_FALSE(core::ProductKeyExists(machine.services.registry));
  ExpectClosedOverAnEnabledMainWindow();
}

}  // namespace
}  // namespace tamsendor::app

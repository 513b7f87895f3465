#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "tests/fakes/virtual_ui_thread.h"
#include "ui/check_items.h"
#include "ui/combo_box.h"
#include "ui/control_set.h"
#include "ui/group_bar.h"
#include "ui/radio_group.h"

namespace tamsendor::app {
namespace {

// Every list of the main window with its items in the order the user sees them. The stored
// choices are item indexes and the launch line and report read the captions, so a slip in one
// of these texts or a swapped pair is a wrong benchmark, not a cosmetic fault. "\xC3\x97" is the
// multiplication sign; "8x CSAA" and its neighbours are written with a letter x on purpose.
struct ExpectedList {
  const char* control;
  std::vector<std::string> items;
};

const std::vector<ExpectedList>& ExpectedLists() {
  static const std::vector<ExpectedList> lists = {
      {"RzGroup1",
       {"Path && information", "Resolution && detail", "Filters && demos", "Miscellaneous"}},
      {"RzGroup3", {"HL2 EO Tweakguide", "Homepage", "About..."}},
      {"res",
       {"640 \xC3\x97 480", "800 \xC3\x97 600", "1024 \xC3\x97 768", "1280 \xC3\x97 1024",
        "1600 \xC3\x97 1200", "2048 \xC3\x97 1536", "1280 \xC3\x97 768", "1920 \xC3\x97 1080",
        "1920 \xC3\x97 1200"}},
      {"DetailBox", {"Maximum quality"}},
      {"AFBox",
       {"Bilinear", "Trilinear", "Anisotropic 2\xC3\x97", "Anisotropic 4\xC3\x97",
        "Anisotropic 8\xC3\x97", "Anisotropic 16\xC3\x97", "From System"}},
      {"AABox",
       {"None", "2\xC3\x97 MSAA", "4\xC3\x97 MSAA", "8x CSAA", "16x CSAA", "8x MSAA", "16xQ CSAA",
        "From System"}},
      {"demo", {"QOR demo 1", "QOR demo 2", "Custom demo:"}},
      {"RunNumberBox", {"1", "2", "3", "4", "5"}},
      {"HeapsizeBox", {"64 MB - default", "128 MB", "256 MB", "512 MB", "1024 MB"}},
      {"RefreshBox", {"60 Hz", "70 Hz", "75 Hz", "85 Hz"}},
      {"HDRBox", {"None", "Bloom (if available)", "Full (if available)"}},
      {"MBlurBox", {"Enabled", "Disabled"}},
      {"DXLevelBox", {"DirectX 9.0", "DirectX 9.0+"}},
  };
  return lists;
}

bool IsList(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::ComboBox:
    case ui::Kind::RadioGroup:
    case ui::Kind::CheckGroup:
    case ui::Kind::CheckList:
    case ui::Kind::Group:
      return true;
    default:
      return false;
  }
}

// The captions the built control holds, whatever kind of list it is.
std::vector<std::string> ItemsOf(const ui::Control& control) {
  if (const auto* combo = dynamic_cast<const ui::ComboBox*>(&control))
    return combo->Items();
  if (const auto* radios = dynamic_cast<const ui::RadioGroup*>(&control))
    return radios->Items();
  std::vector<std::string> captions;
  if (const auto* checks = dynamic_cast<const ui::CheckItems*>(&control)) {
    for (const auto& item : checks->Items())
      captions.push_back(item.caption);
  } else if (const auto* group = dynamic_cast<const ui::BarGroup*>(&control)) {
    for (std::size_t i = 0; i < group->ItemCount(); ++i)
      captions.push_back(group->ItemAt(i).caption);
  } else {
    ADD_FAILURE() << control.Name() << " is no list";
  }
  return captions;
}

class MainFormItemsTest : public ::testing::Test {
 protected:
  fakes::VirtualUiThread clock_;
  ui::ControlSet controls_{MainFormLayout(), clock_};
};

TEST_F(MainFormItemsTest, EveryListHoldsItsItemsInOrder) {
  for (const ExpectedList& expected : ExpectedLists()) {
    const ui::Control* control = controls_.Find(expected.control);
    ASSERT_NE(control, nullptr) << expected.control;
    EXPECT_EQ(ItemsOf(*control), expected.items) << expected.control;
  }
}

TEST_F(MainFormItemsTest, NoListIsLeftUnchecked) {
  // A list added to the window without its expected items here would go unguarded.
  for (const ui::LayoutRow& row : controls_.Rows()) {
    if (!IsList(row.kind))
      continue;
    const auto& lists = ExpectedLists();
    EXPECT_TRUE(std::any_of(lists.begin(), lists.end(),
                            [&](const ExpectedList& list) { return row.name == list.control; }))
        << row.name << " has no expected items";
  }
}

TEST_F(MainFormItemsTest, TheGroupBarShowsBenchmarkAboveOther) {
  const auto& groups = controls_.Get<ui::GroupBar>("RzGroupBar1").Groups();
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]->Name(), "RzGroup1");
  EXPECT_EQ(groups[0]->Caption(), "Benchmark");
  EXPECT_EQ(groups[1]->Name(), "RzGroup3");
  EXPECT_EQ(groups[1]->Caption(), "Other");
}

}  // namespace
}  // namespace tamsendor::app

#include <gtest/gtest.h>

#include "tests/native/ui/recording_peer.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/check_list.h"
#include "ui/combo_box.h"
#include "ui/radio_group.h"

namespace tamsendor::ui {
namespace {

TEST(CheckBoxTest, UserToggleChangesThenClicks) {
  CheckBox box("FastZBox");
  bool checkedWhenClicked = false;
  box.OnClick = [&] { checkedWhenClicked = box.Checked(); };
  box.HandleToggle();
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(checkedWhenClicked);
  box.SetEnabled(false);
  box.HandleToggle();
  EXPECT_TRUE(box.Checked());
}

TEST(CheckGroupTest, ItemsToggleOnTheirOwnAndDisabledOnesRefuse) {
  CheckGroup group("res");
  group.SetItems({"640 x 480", "800 x 600", "1024 x 768"});
  std::vector<std::size_t> clicked;
  group.OnItemClick = [&](std::size_t index) { clicked.push_back(index); };
  group.SetItemEnabled(1, false);
  group.HandleItemToggle(0);
  group.HandleItemToggle(1);
  group.HandleItemToggle(2);
  group.HandleItemToggle(2);
  group.HandleItemToggle(7);
  EXPECT_TRUE(group.ItemChecked(0));
  EXPECT_FALSE(group.ItemChecked(1));
  EXPECT_FALSE(group.ItemChecked(2));
  EXPECT_EQ(clicked, (std::vector<std::size_t>{0, 2, 2}));
}

TEST(CheckGroupTest, NewItemsStartUncheckedAndEnabled) {
  CheckGroup group("res");
  group.SetItems({"a", "b"});
  group.SetItemChecked(0, true);
  group.SetItemEnabled(1, false);
  testing::RecordingPeer peer;
  group.AttachPeer(&peer);
  group.SetItems({"a", "b"});
  EXPECT_FALSE(group.ItemChecked(0));
  EXPECT_TRUE(group.ItemEnabled(1));
  EXPECT_EQ(peer.changes, std::vector<Property>{Property::Items});
}

TEST(CheckListTest, RowsAreAtLeastAPixelHighAndAChangeRedrawsThem) {
  CheckList list("RzCheckList1");
  testing::RecordingPeer peer;
  list.AttachPeer(&peer);
  list.SetItemHeight(0);
  EXPECT_EQ(list.ItemHeight(), 1);
  list.SetItemHeight(1);
  EXPECT_EQ(peer.changes, std::vector<Property>{Property::Items});
}

TEST(RadioGroupTest, ChangingFiresAfterEveryRealChangeWithTheNewChoiceMade) {
  RadioGroup demo("demo");
  demo.SetItems({"QOR demo 1", "QOR demo 2", "Custom demo:"});
  std::vector<int> seen;
  demo.OnChanging = [&] { seen.push_back(demo.ItemIndex()); };
  demo.SetItemIndex(2);      // from code
  demo.HandleItemChosen(0);  // from the user
  demo.HandleItemChosen(0);  // no change
  demo.SetItemIndex(3);      // outside: none chosen
  demo.SetItemIndex(-5);     // still none
  EXPECT_EQ(seen, (std::vector<int>{2, 0, -1}));
}

TEST(ComboBoxTest, CodeChoosesSilentlyTheUserLoudly) {
  ComboBox box("AFBox", ComboStyle::DropDown);
  box.SetItems({"Bilinear", "Trilinear"});
  int changes = 0;
  box.OnChange = [&] { ++changes; };

  box.SetItemIndex(1);
  EXPECT_EQ(box.Text(), "Trilinear");
  EXPECT_EQ(changes, 0);

  box.HandleSelect(0);
  EXPECT_EQ(box.ItemIndex(), 0);
  EXPECT_EQ(box.Text(), "Bilinear");
  EXPECT_EQ(changes, 1);

  box.HandleTyped("Bili");
  EXPECT_EQ(box.ItemIndex(), -1);
  box.HandleTyped("Trilinear");
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(changes, 3);

  box.SetItemIndex(9);
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_EQ(box.Text(), "");
}

TEST(ComboBoxTest, AListOnlyBoxShowsOnlyItsItems) {
  ComboBox box("HeapsizeBox");
  box.SetItems({"64 MB - default", "128 MB"});
  int changes = 0;
  box.OnChange = [&] { ++changes; };
  box.SetItemIndex(1);
  box.HandleTyped("2048 MB");
  EXPECT_EQ(box.Text(), "128 MB");
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(changes, 0);

  box.SetText("2048 MB");  // from code: no such item, so no text
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(box.ItemIndex(), -1);
  box.SetText("64 MB - default");
  EXPECT_EQ(box.ItemIndex(), 0);
}

}  // namespace
}  // namespace tamsendor::ui

#include "ui/control_set.h"

#include <gtest/gtest.h>

#include "tests/fakes/virtual_ui_thread.h"
#include "ui/check_group.h"
#include "ui/check_list.h"
#include "ui/combo_box.h"
#include "ui/group_bar.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/picture_button.h"

namespace tamsendor::ui {
namespace {

TEST(ControlSetTest, EveryRowBecomesItsKindOfModelWithItsDesign) {
  fakes::VirtualUiThread clock;
  const Layout layout = {
      LayoutRow("SpeedButton1", Kind::PictureButton)
          .At(533, 7, 18, 17)
          .Hint("Exit")
          .Picture("close"),
      LayoutRow("PageControl", Kind::PageControl).At(0, 0, 403, 252),
      LayoutRow("TabSheet2", Kind::Page, "PageControl"),
      LayoutRow("res", Kind::CheckGroup, "TabSheet2")
          .Caption(" Resolution ")
          .Items({"640 x 480", "800 x 600"})
          .Columns(3),
      LayoutRow("cusresbox", Kind::CheckBox, "res"),
      LayoutRow("RzGroupBar1", Kind::GroupBar),
      LayoutRow("RzGroup1", Kind::Group, "RzGroupBar1")
          .Caption("Benchmark")
          .Items({"Path && information"}),
      LayoutRow("AFBox", Kind::ComboBox, "TabSheet2").Items({"Bilinear"}),
      LayoutRow("StatusInfo", Kind::Label).At(16, 458, 0, 0),
      LayoutRow("RzCheckList1", Kind::CheckList).Items({"800 x 600"}).ItemHeight(19),
  };
  ControlSet controls(layout, clock);

  auto& exit = controls.Get<PictureButton>("SpeedButton1");
  EXPECT_EQ(exit.Bounds(), (Bounds{533, 7, 18, 17}));
  EXPECT_EQ(exit.Hint(), "Exit");
  EXPECT_EQ(exit.Picture(), "close");
  EXPECT_EQ(exit.Cursor(), Cursor::HandPoint);

  auto& res = controls.Get<CheckGroup>("res");
  EXPECT_EQ(res.Caption(), " Resolution ");
  EXPECT_EQ(res.ItemCount(), 2u);
  EXPECT_EQ(res.Columns(), 3);

  auto& pages = controls.Get<PageControl>("PageControl");
  ASSERT_EQ(pages.Pages().size(), 1u);
  EXPECT_EQ(pages.Pages()[0], &controls.Get<Panel>("TabSheet2"));

  auto& bar = controls.Get<GroupBar>("RzGroupBar1");
  ASSERT_EQ(bar.Groups().size(), 1u);
  EXPECT_EQ(bar.Groups()[0]->ItemAt(0).caption, "Path && information");

  EXPECT_EQ(controls.Get<ComboBox>("AFBox").Items(), std::vector<std::string>{"Bilinear"});
  EXPECT_EQ(controls.Get<Label>("StatusInfo").Caption(), "");
  auto& list = controls.Get<CheckList>("RzCheckList1");
  EXPECT_EQ(list.Items(), (std::vector<CheckList::Item>{{"800 x 600", false}}));
  EXPECT_EQ(list.ItemHeight(), 19);
  EXPECT_EQ(&controls.At(8), controls.Find("StatusInfo"));
  EXPECT_THROW(controls.Get<Label>("SpeedButton1"), std::logic_error);
  EXPECT_THROW(controls.Get<Label>("Nothing"), std::logic_error);
}

TEST(ControlSetTest, BrokenLayoutsAreRefused) {
  fakes::VirtualUiThread clock;
  using K = Kind;
  const std::vector<Layout> broken = {
      {LayoutRow("a", K::Label), LayoutRow("a", K::Label)},
      {LayoutRow("", K::Label)},
      {LayoutRow("a", K::Label, "missing")},
      {LayoutRow("later", K::Label, "panel"), LayoutRow("panel", K::Panel)},
      {LayoutRow("l", K::Label), LayoutRow("in label", K::Label, "l")},
      {LayoutRow("page", K::Page)},
      {LayoutRow("p", K::Panel), LayoutRow("page", K::Page, "p")},
      {LayoutRow("bar", K::GroupBar), LayoutRow("x", K::Label, "bar")},
      {LayoutRow("pc", K::PageControl), LayoutRow("x", K::Label, "pc")},
  };
  for (const Layout& layout : broken)
    EXPECT_THROW(ControlSet(layout, clock), std::invalid_argument) << layout.back().name;
}

}  // namespace
}  // namespace tamsendor::ui

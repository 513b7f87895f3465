#include <gtest/gtest.h>

#include <string>

#include "tests/native/app/started_form.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_bar.h"
#include "ui/image.h"
#include "ui/page_control.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

TEST(MainPagesTest, TheGroupBarShowsThePagesAndAboutHidesThem) {
  StartedForm s;
  s.Start();
  auto& bar = s.Control<ui::GroupBar>("RzGroupBar1");
  auto& pages = s.Control<ui::PageControl>("PageControl");
  EXPECT_FALSE(pages.Visible());
  EXPECT_EQ(bar.OpenGroupIndex(), -1) << "both groups start closed";
  EXPECT_TRUE(s.Control<ui::Image>("Image2").Visible());

  bar.HandleCaptionClick(0);
  for (int page = 0; page < 4; ++page) {
    bar.HandleItemClick(0, static_cast<std::size_t>(page));
    EXPECT_TRUE(pages.Visible());
    EXPECT_EQ(pages.ActivePageIndex(), page);
  }
  auto& heapsize = s.Control<ui::ComboBox>("HeapsizeBox");
  heapsize.SetItemIndex(2);

  // Opening "Other" closes "Benchmark"; "About..." hides the page area, the picture shows.
  bar.HandleCaptionClick(1);
  EXPECT_EQ(bar.OpenGroupIndex(), 1);
  bar.HandleItemClick(1, 2);
  EXPECT_FALSE(pages.Visible());

  bar.HandleCaptionClick(0);
  bar.HandleItemClick(0, 3);
  EXPECT_TRUE(pages.Visible());
  EXPECT_EQ(pages.ActivePageIndex(), 3);
  EXPECT_EQ(heapsize.ItemIndex(), 2) << "the page keeps its values";
}

TEST(MainPagesTest, TheItemsReadAsDesigned) {
  StartedForm s;
  s.Start();
  auto& benchmark = s.Control<ui::BarGroup>("RzGroup1");
  auto& other = s.Control<ui::BarGroup>("RzGroup3");
  EXPECT_EQ(benchmark.Caption(), "Benchmark");
  EXPECT_EQ(benchmark.ItemAt(0).caption, "Path && information");  // shows "Path & information"
  EXPECT_EQ(benchmark.ItemAt(3).caption, "Miscellaneous");
  EXPECT_EQ(other.Caption(), "Other");
  EXPECT_EQ(other.ItemAt(2).caption, "About...");

  // The autoexec.cfg template is kept, hidden, where the page 2 design keeps it.
  const auto& template_ = s.Control<ui::Edit>("MaxSet");
  EXPECT_FALSE(template_.Visible());
  EXPECT_EQ(template_.Text().rfind("// Fenwright - Maximum details\r\n\r\nsv_cheats \"1\"\r\n", 0),
            0u);
}

TEST(MainPagesTest, TheNoteTakesFiftyCharacters) {
  StartedForm s;
  s.Start();
  auto& note = s.Control<ui::Edit>("NoteEdit");
  note.HandleTyped(std::string(51, 'n'));
  EXPECT_EQ(note.Text(), std::string(50, 'n'));
}

// The two folder fields only show their folders: Tab passes them by; the game's is 364 wide.
TEST(MainPagesTest, TabPassesTheFolderFieldsBy) {
  StartedForm s;
  s.Start();
  for (const auto& row : s.form->Controls().Rows()) {
    const bool shownOnly = row.name == "HL2PathEdit" || row.name == "ResEdit";
    EXPECT_EQ(s.form->Controls().Get<ui::Control>(row.name).TabStop(), !shownOnly) << row.name;
  }
  EXPECT_EQ(s.Control<ui::Edit>("HL2PathEdit").Width(), 364);
}

// A typed text that is no item would reach the report while the launch line and the game's
// settings ignore it; only the two filter lists take typed text.
TEST(MainPagesTest, OnlyTheFilterListsTakeTypedText) {
  StartedForm s;
  s.Start();
  for (const auto& row : s.form->Controls().Rows()) {
    if (row.kind != ui::Kind::ComboBox)
      continue;
    auto& box = s.Control<ui::ComboBox>(row.name.c_str());
    box.SetItemIndex(1);
    box.HandleTyped("2048 MB");
    const bool takesText = row.name == "AFBox" || row.name == "AABox";
    EXPECT_EQ(box.Text(), takesText ? "2048 MB" : box.Items().at(1)) << row.name;
    EXPECT_EQ(box.ItemIndex(), takesText ? -1 : 1) << row.name;
  }
}

}  // namespace
}  // namespace tamsendor::app

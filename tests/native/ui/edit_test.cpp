#include "ui/edit.h"

#include <gtest/gtest.h>

#include "tests/native/ui/recording_peer.h"

namespace tamsendor::ui {
namespace {

TEST(EditTest, TypedTextIsCutAtMaxLengthCharacters) {
  struct Case {
    const char* what;
    std::string typed;
    std::string kept;
  };
  const std::string fifty(50, 'n');
  const std::string umlauts = [] {
    std::string text;
    for (int i = 0; i < 51; ++i)
      text += "\xC3\xBC";  // ü, two bytes each
    return text;
  }();
  const Case cases[] = {
      {"50 fit", fifty, fifty},
      {"51st refused", fifty + "x", fifty},
      {"characters, not bytes", umlauts, umlauts.substr(0, 100)},
      {"short", "note", "note"},
  };
  for (const Case& c : cases) {
    Edit note("NoteEdit");
    note.SetMaxLength(50);
    note.HandleTyped(c.typed);
    EXPECT_EQ(note.Text(), c.kept) << c.what;
  }
}

TEST(EditTest, CodeMaySetMoreThanTheUserMayType) {
  Edit note("NoteEdit");
  note.SetMaxLength(3);
  note.SetText("longer");
  EXPECT_EQ(note.Text(), "longer");
}

TEST(EditTest, RefusedCharacterStillSetsTheFieldBack) {
  Edit note("NoteEdit");
  note.SetMaxLength(2);
  note.HandleTyped("ab");
  testing::RecordingPeer peer;
  note.AttachPeer(&peer);
  note.HandleTyped("abc");
  EXPECT_EQ(note.Text(), "ab");
  EXPECT_EQ(peer.changes, std::vector<Property>{Property::Text});
}

TEST(EditTest, ChangeOnEveryNewTextExitOnLeaving) {
  Edit edit("ResEdit");
  int changes = 0, exits = 0;
  edit.OnChange = [&] { ++changes; };
  edit.OnExit = [&] { ++exits; };
  edit.SetText("C:\\");
  edit.SetText("C:\\");
  edit.HandleTyped("C:\\x");
  edit.HandleFocusLeft();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(exits, 1);
}

TEST(EditTest, ReadOnlyFieldRefusesTyping) {
  Edit edit("HL2PathEdit");
  edit.SetReadOnly(true);
  edit.HandleTyped("x");
  EXPECT_EQ(edit.Text(), "");
}

}  // namespace
}  // namespace tamsendor::ui

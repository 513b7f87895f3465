#include "ui/control.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/native/ui/recording_peer.h"

namespace tamsendor::ui {
namespace {

TEST(ControlTest, PeerHearsOfRealChangesOnly) {
  struct Case {
    const char* what;
    std::function<void(Control&)> change;
    Property expected;
  };
  const Case cases[] = {
      {"caption", [](Control& c) { c.SetCaption("Run"); }, Property::Caption},
      {"visible", [](Control& c) { c.SetVisible(false); }, Property::Visible},
      {"enabled", [](Control& c) { c.SetEnabled(false); }, Property::Enabled},
      {"hint", [](Control& c) { c.SetHint("Exit"); }, Property::Hint},
      {"left", [](Control& c) { c.SetLeft(12); }, Property::Bounds},
      {"font", [](Control& c) { c.SetFontSize(10); }, Property::Font},
      {"colour", [](Control& c) { c.SetFontColor(kSilver); }, Property::Colors},
      {"cursor", [](Control& c) { c.SetCursor(Cursor::HandPoint); }, Property::Cursor},
  };
  for (const Case& c : cases) {
    Control control("c");
    testing::RecordingPeer peer;
    control.AttachPeer(&peer);
    c.change(control);
    c.change(control);  // the same value again is no change
    EXPECT_EQ(peer.changes, std::vector<Property>{c.expected}) << c.what;
  }
}

TEST(ControlTest, DisabledControlIgnoresClicksButNotLeaving) {
  Control control("c");
  int clicks = 0, downs = 0, leaves = 0;
  control.OnClick = [&] { ++clicks; };
  control.OnMouseDown = [&](MouseButton, int, int) { ++downs; };
  control.OnMouseLeave = [&] { ++leaves; };
  control.SetEnabled(false);
  control.HandleClick();
  control.HandleMouseDown(MouseButton::Left, 1, 1);
  control.HandleMouseLeave();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(leaves, 1);
  control.SetEnabled(true);
  control.HandleClick();
  EXPECT_EQ(clicks, 1);
}

TEST(ControlTest, LeftMovesOnlyTheLeftEdge) {
  Control control("c");
  control.SetBounds({1, 2, 3, 4});
  control.SetLeft(9);
  EXPECT_EQ(control.Bounds(), (Bounds{9, 2, 3, 4}));
}

}  // namespace
}  // namespace tamsendor::ui

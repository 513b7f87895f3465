#include "platform/win32/controls/dialog_keys.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/controls/form_window.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/no_artwork.h"
#include "ui/button.h"
#include "ui/check_group.h"
#include "ui/control_set.h"
#include "ui/edit.h"
#include "ui/group_bar.h"
#include "ui/picture_button.h"

namespace tamsendor::win32 {
namespace {

using ui::Kind;
using ui::LayoutRow;

// The keys a user works the window with, delivered through the program's message loop.
class DialogKeysTest : public ::testing::Test {
 protected:
  DialogKeysTest()
      : controls_(
            {
                LayoutRow("Bar", Kind::GroupBar).At(8, 8, 130, 150),
                LayoutRow("Benchmark", Kind::Group, "Bar")
                    .Caption("Benchmark")
                    .Items({"Path && information", "Miscellaneous"}),
                LayoutRow("Other", Kind::Group, "Bar").Caption("Other").Items({"About..."}),
                LayoutRow("Page", Kind::Panel).At(150, 8, 240, 200),
                LayoutRow("PathEdit", Kind::Edit, "Page").At(8, 8, 200, 21),
                LayoutRow("NoteEdit", Kind::Edit, "Page").At(8, 36, 200, 21),
                LayoutRow("res", Kind::CheckGroup, "Page")
                    .At(8, 64, 220, 60)
                    .Caption(" Resolution ")
                    .Columns(3)
                    .Items({"640 x 480", "800 x 600", "1024 x 768"}),
                LayoutRow("Open", Kind::Button, "Page").At(8, 130, 80, 24).Caption("Open"),
                LayoutRow("RunPanel", Kind::Panel).At(8, 170, 102, 24),
                LayoutRow("Run", Kind::PictureButton, "RunPanel").At(0, 0, 102, 24).Picture("run"),
            },
            uiThread_) {
    form_.SetCaption("Dialog keys under test");
    form_.SetBounds({0, 0, 400, 220});
    controls_.Get<ui::Edit>("PathEdit").SetTabStop(false);
    window_ = std::make_unique<FormWindow>(form_, controls_, artwork_, FormWindow::Role::Secondary);
    form_.Show();
    SetForegroundWindow(window_->Handle());
    SetFocus(window_->Handle());
    testing::PumpUntil([] { return false; }, 100);
  }
  ~DialogKeysTest() override { Shift(false); }

  HWND Window(const char* name) const { return window_->Peers().Handle(name); }
  // What a window is, for the messages of a failed test.
  std::string NameOf(HWND window) const {
    if (window == nullptr)
      return "(none)";
    for (const auto& row : controls_.Rows())
      if (Window(row.name.c_str()) == window)
        return row.name;
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return "item " + Narrow(text);
  }
  HWND Item(const char* caption) const {
    return FindWindowExW(Window("res"), nullptr, L"Button", Widen(caption).c_str());
  }
  // The key as the system would queue it: to the window with the focus.
  void Press(WPARAM key) {
    MSG message{};
    message.hwnd = GetFocus() != nullptr ? GetFocus() : window_->Handle();
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    DeliverMessage(message);
    message.message = WM_KEYUP;
    message.lParam = static_cast<LPARAM>(0xC0000001);
    DeliverMessage(message);
    testing::PumpUntil([] { return false; }, 20);
  }
  static void Shift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }

  Win32UiThread uiThread_;
  testing::NoArtwork artwork_;
  ui::Form form_{"KeysForm"};
  ui::ControlSet controls_;
  std::unique_ptr<FormWindow> window_;
};

TEST_F(DialogKeysTest, TabFollowsTheLayoutAndPassesFieldsWithoutATabStop) {
  const std::vector<HWND> order = {Window("Bar"), Window("NoteEdit"), Item("640 x 480"),
                                   Window("Open"), Window("Run")};
  for (int round = 0; round < 2; ++round)
    for (HWND expected : order) {
      Press(VK_TAB);
      EXPECT_EQ(NameOf(GetFocus()), NameOf(expected)) << "Tab";
    }
  Shift(true);
  for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
    Press(VK_TAB);
    EXPECT_EQ(NameOf(GetFocus()), NameOf(*it)) << "Shift+Tab";
  }
  Shift(false);
}

TEST_F(DialogKeysTest, EnterPressesTheButtonEscapeIsTheWindowsArrowsMoveInAGroup) {
  int runs = 0, opens = 0, cancels = 0;
  controls_.Get<ui::PictureButton>("Run").OnClick = [&] { ++runs; };
  controls_.Get<ui::Button>("Open").OnClick = [&] { ++opens; };
  SetFocus(Window("Open"));
  Press(VK_RETURN);
  EXPECT_EQ(opens, 1);
  form_.OnCancel = [&] { ++cancels; };
  SetFocus(Window("Run"));
  Press(VK_RETURN);
  Press(VK_SPACE);
  EXPECT_EQ(runs, 2);
  Press(VK_ESCAPE);
  EXPECT_EQ(cancels, 1);

  SetFocus(Item("640 x 480"));
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), Item("800 x 600"));
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), Item("1024 x 768"));
  Press(VK_UP);
  EXPECT_EQ(GetFocus(), Item("800 x 600"));
  Press(VK_SPACE);
  EXPECT_TRUE(controls_.Get<ui::CheckGroup>("res").ItemChecked(1));

  // A control that is no group's item keeps the focus on the arrow keys.
  SetFocus(Window("Run"));
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), Window("Run"));
}

TEST_F(DialogKeysTest, TheGroupBarOpensGroupsAndItemsFromTheKeyboard) {
  std::vector<std::string> clicked;
  auto& bar = controls_.Get<ui::GroupBar>("Bar");
  bar.Groups()[0]->ItemAt(1).OnClick = [&] { clicked.push_back("Miscellaneous"); };
  SetFocus(Window("Bar"));
  Press(VK_RETURN);  // "Benchmark"
  EXPECT_EQ(bar.OpenGroupIndex(), 0);
  Press(VK_DOWN);
  Press(VK_DOWN);
  Press(VK_RETURN);  // its second item
  EXPECT_EQ(clicked, std::vector<std::string>{"Miscellaneous"});
  Press(VK_DOWN);
  Press(VK_SPACE);  // "Other"
  EXPECT_EQ(bar.OpenGroupIndex(), 1);
  EXPECT_EQ(GetFocus(), Window("Bar"));
}

}  // namespace
}  // namespace tamsendor::win32

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/controls/form_window.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/no_artwork.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/control_set.h"

namespace tamsendor::win32 {
namespace {

using ui::Kind;
using ui::LayoutRow;

// The stored choices follow the pointer leaving their controls, so the leave must come from the
// system's own tracking (TrackMouseEvent), not only from a message a test sends.
class MouseLeaveTest : public ::testing::Test {
 protected:
  MouseLeaveTest()
      : controls_(
            {
                LayoutRow("FastZBox", Kind::CheckBox).At(20, 20, 160, 17).Caption("Enable fast z"),
                LayoutRow("HeapsizeBox", Kind::ComboBox)
                    .At(20, 60, 120, 21)
                    .Items({"64 MB - default", "128 MB"}),
                LayoutRow("AFBox", Kind::ComboBox)
                    .At(160, 60, 120, 21)
                    .TakesTypedText()
                    .Items({"Bilinear", "Trilinear"}),
                LayoutRow("res", Kind::CheckGroup)
                    .At(20, 110, 300, 60)
                    .Caption(" Resolution ")
                    .Columns(3)
                    .Items({"640 x 480", "800 x 600", "1024 x 768"}),
            },
            uiThread_) {
    form_.SetCaption("Mouse leave under test");
    form_.SetBounds({0, 0, 360, 220});
    window_ = std::make_unique<FormWindow>(form_, controls_, artwork_, FormWindow::Role::Secondary);
    form_.Show();
    SetForegroundWindow(window_->Handle());
    testing::PumpUntil([] { return false; }, 200);
  }

  // Puts the pointer on a window the way a user would, then moves it off the form, and counts
  // the model's leaves.
  int LeavesAfterPassingOver(ui::Control& model, HWND over) {
    int leaves = 0;
    model.OnMouseLeave = [&] { ++leaves; };
    RECT area;
    GetWindowRect(over, &area);
    const POINT inside{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    SetCursorPos(inside.x, inside.y);
    POINT client = inside;
    ScreenToClient(over, &client);
    SendMessageW(over, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    testing::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(leaves, 0) << model.Name() << ": left while the pointer is still on it";

    RECT form;
    GetWindowRect(window_->Handle(), &form);
    SetCursorPos(form.right + 40, form.bottom + 40);
    testing::PumpUntil([&] { return leaves > 0; }, 3000);
    return leaves;
  }

  HWND Window(const char* name) const { return window_->Peers().Handle(name); }

  Win32UiThread uiThread_;
  testing::NoArtwork artwork_;
  ui::Form form_{"MouseLeaveForm"};
  ui::ControlSet controls_;
  std::unique_ptr<FormWindow> window_;
};

TEST_F(MouseLeaveTest, ACheckBoxHearsThePointerLeave) {
  EXPECT_EQ(LeavesAfterPassingOver(controls_.Get<ui::CheckBox>("FastZBox"), Window("FastZBox")), 1);
}

TEST_F(MouseLeaveTest, AComboBoxHearsThePointerLeaveFromItsTextField) {
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  ASSERT_TRUE(GetComboBoxInfo(Window("AFBox"), &parts));
  ASSERT_NE(parts.hwndItem, nullptr);
  EXPECT_EQ(LeavesAfterPassingOver(controls_.Get<ui::ComboBox>("AFBox"), parts.hwndItem), 1);
}

TEST_F(MouseLeaveTest, AListOnlyComboBoxHearsThePointerLeave) {
  EXPECT_EQ(
      LeavesAfterPassingOver(controls_.Get<ui::ComboBox>("HeapsizeBox"), Window("HeapsizeBox")), 1);
}

TEST_F(MouseLeaveTest, ACheckGroupHearsThePointerLeaveFromAnItem) {
  HWND item = FindWindowExW(Window("res"), nullptr, L"Button", L"800 x 600");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(LeavesAfterPassingOver(controls_.Get<ui::CheckGroup>("res"), item), 1);
}

}  // namespace
}  // namespace tamsendor::win32

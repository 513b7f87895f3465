#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "app/picker_form.h"
#include "core/product_key.h"
#include "platform/win32/controls/form_window.h"
#include "platform/win32/text.h"
#include "tests/common/fake_app_services.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/no_artwork.h"
#include "ui/check_list.h"
#include "ui/edit.h"
#include "ui/page_control.h"

namespace tamsendor::app {
namespace {

POINT Centre(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// A left click as the user makes it, through the system's input queue, at a point on the screen.
void ClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

// The main window and the picker in real windows, on fake services; the main window shows page 2
// with its "Possibilities" button.
class PickerWindowTest : public ::testing::Test {
 protected:
  PickerWindowTest() {
    services.display.modes = {{800, 600}, {1024, 768}, {1280, 1024}};
    form1 = std::make_unique<TForm1>(application, services.Get());
    services.ui.AdvanceBy(kSplashMs);  // the start-up done
    // Secondary: the main window's end would otherwise end this thread's message loop.
    window1 = std::make_unique<win32::FormWindow>(form1->Form(), form1->Controls(), artwork,
                                                  win32::FormWindow::Role::Secondary);
    form3 = std::make_unique<TForm3>(*form1, services.registry, services.display, services.ui);
    window3 =
        std::make_unique<win32::FormWindow>(form3->Form(), form3->Controls(), artwork,
                                            win32::FormWindow::Role::Secondary, window1->Handle());
    auto& pages = form1->Controls().Get<ui::PageControl>("PageControl");
    pages.SetVisible(true);
    pages.SetActivePageIndex(1);
    form1->Form().Show();
    SetForegroundWindow(window1->Handle());
    testing::PumpUntil([] { return false; }, 300);
  }
  ~PickerWindowTest() override {
    window3.reset();
    window1.reset();
  }

  HWND Picker() const { return window3->Handle(); }
  HWND Main() const { return window1->Handle(); }
  HWND PickerControl(const char* name) const { return window3->Peers().Handle(name); }
  void PressPossibilities() {
    SendMessageW(window1->Peers().Handle("CusPossibilities"), BM_CLICK, 0, 0);
    ASSERT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(Picker()) != FALSE; }, 3000));
    testing::PumpUntil([] { return false; }, 200);
  }
  ui::CheckList& List() { return form3->Controls().Get<ui::CheckList>("RzCheckList1"); }
  std::string FieldShown(const char* name) const {
    wchar_t text[32] = {};
    GetWindowTextW(window1->Peers().Handle(name), text, 32);
    return win32::Narrow(text);
  }

  fakes::FakeAppServices services;
  ui::Application application{"Korvalin Tamsendor"};
  tamsendor::testing::NoArtwork artwork;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<win32::FormWindow> window1;
  std::unique_ptr<TForm3> form3;
  std::unique_ptr<win32::FormWindow> window3;
};

TEST_F(PickerWindowTest, OpensBorderlessOnTopAndCentredOverTheDisabledMainWindow) {
  EXPECT_FALSE(IsWindowVisible(Picker()));
  PressPossibilities();

  RECT client;
  GetClientRect(Picker(), &client);
  EXPECT_EQ(client.right, 228);
  EXPECT_EQ(client.bottom, 502);
  EXPECT_EQ(GetWindowLongPtrW(Picker(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_NE(GetWindowLongPtrW(Picker(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(Picker(), GW_OWNER), Main());
  EXPECT_NEAR(Centre(Picker()).x, Centre(Main()).x, 1);
  EXPECT_NEAR(Centre(Picker()).y, Centre(Main()).y, 1);
  EXPECT_FALSE(IsWindowEnabled(Main()));
  EXPECT_EQ(GetActiveWindow(), Picker());
  EXPECT_EQ(SendMessageW(PickerControl("RzCheckList1"), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(PickerControl("RzCheckList1"), LB_GETITEMHEIGHT, 0, 0), 17);

  // Closed, the main window moved, and opened again: over the main window where it is now.
  SendMessageW(Picker(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(Picker()));
  EXPECT_TRUE(IsWindowEnabled(Main()));
  RECT main;
  GetWindowRect(Main(), &main);
  SetWindowPos(Main(), nullptr, main.left - 60, main.top + 40, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing::PumpUntil([] { return false; }, 200);
  PressPossibilities();
  EXPECT_NEAR(Centre(Picker()).x, Centre(Main()).x, 1);
  EXPECT_NEAR(Centre(Picker()).y, Centre(Main()).y, 1);
}

TEST_F(PickerWindowTest, ClickingAnItemThenAddFillsTheMainWindowsFields) {
  PressPossibilities();
  HWND list = PickerControl("RzCheckList1");
  RECT row;
  ASSERT_NE(SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)), LB_ERR);
  POINT onRow{row.left + 30, (row.top + row.bottom) / 2};
  ClientToScreen(list, &onRow);
  ClickAt(onRow);
  ASSERT_TRUE(testing::PumpUntil([&] { return List().ItemChecked(1); }, 3000))
      << "the click on \"1024 x 768\" did not tick it";
  EXPECT_FALSE(List().ItemChecked(0));

  ClickAt(Centre(PickerControl("RzButton1")));
  ASSERT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(Picker()) == FALSE; }, 3000))
      << "\"Add\" did not close the picker";
  EXPECT_EQ(FieldShown("CusWidth"), "1024");
  EXPECT_EQ(FieldShown("CusHeight"), "768");
  EXPECT_EQ(core::ReadProductValue(services.registry, "CusW"), "1024");
  EXPECT_EQ(core::ReadProductValue(services.registry, "CusH"), "768");
  EXPECT_TRUE(IsWindowEnabled(Main()));
}

}  // namespace
}  // namespace tamsendor::app

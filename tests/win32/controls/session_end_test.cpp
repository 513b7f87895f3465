// Logoff and shutdown reach the main window as the system sends them: the session's end runs the
// same close as the close box, so a benchmark in progress leaves the game as it found it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/controls/form_window.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/no_artwork.h"
#include "ui/control_set.h"

namespace tamsendor::win32 {
namespace {

using ui::Kind;
using ui::LayoutRow;

struct SessionEndTest : ::testing::Test {
  Win32UiThread uiThread;
  tamsendor::testing::NoArtwork artwork;
  ui::ControlSet controls{{LayoutRow("Image", Kind::Image).At(0, 0, 100, 100)}, uiThread};
  ui::Form form{"Main"};
  std::vector<std::string> steps;

  SessionEndTest() {
    form.SetBounds({0, 0, 100, 100});
    form.OnCloseQuery = [this](bool& canClose) {
      steps.push_back("query");
      canClose = true;
    };
    form.OnClose = [this] { steps.push_back("close"); };
  }
};

TEST_F(SessionEndTest, TheEndOfTheSessionClosesTheMainWindowAsAClose) {
  FormWindow window(form, controls, artwork, FormWindow::Role::Main);
  HWND handle = window.Handle();
  EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_TRUE(steps.empty()) << "asking is not ending: another program may still refuse";

  // Another program refused: the session goes on, and so does the window.
  SendMessageW(handle, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(steps.empty());
  EXPECT_TRUE(IsWindow(handle));

  SendMessageW(handle, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(steps, (std::vector<std::string>{"query", "close"}));
  EXPECT_FALSE(IsWindow(handle));
  MSG message;
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(SessionEndTest, ASecondaryWindowLeavesTheCloseToTheMainOne) {
  FormWindow window(form, controls, artwork, FormWindow::Role::Secondary);
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(steps.empty());
}

}  // namespace
}  // namespace tamsendor::win32

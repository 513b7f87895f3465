#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/controls/form_window.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/control_set.h"
#include "ui/edit.h"
#include "ui/group_bar.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/picture_button.h"
#include "ui/radio_group.h"

namespace tamsendor::win32 {
namespace {

using ui::Kind;
using ui::LayoutRow;

class PlainArtwork : public Artwork {
 public:
  void Paint(const std::string& picture, HDC dc, const RECT& area, const ArtState&) const override {
    if (picture.empty())
      return;
    HBRUSH brush = CreateSolidBrush(RGB(60, 60, 60));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  }
};

ui::Layout EveryKind() {
  return {
      LayoutRow("Background", Kind::Image).At(0, 0, 400, 300).Picture("background"),
      LayoutRow("Title", Kind::Label).At(8, 4, 200, 14).Caption("Path && information"),
      LayoutRow("Exit", Kind::PictureButton).At(370, 4, 18, 17).Hint("Exit").Picture("close"),
      LayoutRow("Open", Kind::Button).At(8, 24, 80, 22).Caption("Open"),
      LayoutRow("FastZ", Kind::CheckBox).At(100, 24, 150, 17).Caption("Enable fast z-setting"),
      LayoutRow("RunPanel", Kind::Panel).At(260, 24, 100, 22),
      LayoutRow("Run", Kind::PictureButton, "RunPanel")
          .At(0, 0, 100, 22)
          .Hint("Run benchmark")
          .Picture("run"),
      LayoutRow("Pages", Kind::PageControl).At(8, 50, 380, 200),
      LayoutRow("Page1", Kind::Page, "Pages"),
      LayoutRow("Page2", Kind::Page, "Pages"),
      LayoutRow("res", Kind::CheckGroup, "Page1")
          .At(4, 4, 360, 80)
          .Caption(" Resolution ")
          .Items({"640 x 480", "800 x 600", "1024 x 768"})
          .Columns(3)
          .HotTracked(),
      LayoutRow("demo", Kind::RadioGroup, "Page1")
          .At(4, 90, 360, 50)
          .Caption(" Choose a demo ")
          .Items({"QOR demo 1", "QOR demo 2", "Custom demo:"})
          .Columns(3),
      LayoutRow("Filters", Kind::GroupBox, "Page2").At(4, 4, 360, 100).Caption(" Filters "),
      LayoutRow("AFBox", Kind::ComboBox, "Filters")
          .At(8, 20, 150, 21)
          .Items({"Bilinear", "Trilinear", "From System"}),
      LayoutRow("AABox", Kind::ComboBox, "Filters")
          .At(170, 20, 150, 21)
          .TakesTypedText()
          .Items({"None", "2x MSAA"}),
      LayoutRow("NoteEdit", Kind::Edit, "Page2").At(4, 110, 300, 21),
      LayoutRow("Panel2", Kind::Panel).At(8, 50, 380, 200),
      LayoutRow("Busy", Kind::BusyIndicator, "Panel2").At(160, 70, 60, 60),
      LayoutRow("Bar", Kind::GroupBar).At(8, 260, 130, 120),
      LayoutRow("Benchmark", Kind::Group, "Bar")
          .Caption("Benchmark")
          .Items({"Path && information", "Miscellaneous"}),
      LayoutRow("Other", Kind::Group, "Bar").Caption("Other").Items({"About..."}),
  };
}

std::string Text(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return Narrow(buffer);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class PeersTest : public ::testing::Test {
 protected:
  PeersTest() : controls_(EveryKind(), uiThread_) {
    form_.SetCaption("Peers under test");
    form_.SetBounds({0, 0, 400, 400});
    form_.SetBackgroundColor(ui::kBlack);
    controls_.Get<ui::Panel>("Panel2").SetVisible(false);
    window_ = std::make_unique<FormWindow>(form_, controls_, artwork_, FormWindow::Role::Secondary);
    form_.Show();
    Pump();
  }

  template <typename T>
  T& Model(const char* name) {
    return controls_.Get<T>(name);
  }
  HWND Window(const char* name) const { return window_->Peers().Handle(name); }
  // An item button of a check or radio group, found by its caption.
  HWND Item(const char* group, const char* caption) const {
    return FindWindowExW(Window(group), nullptr, L"Button", Widen(caption).c_str());
  }
  bool Checked(HWND button) const { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  Win32UiThread uiThread_;
  PlainArtwork artwork_;
  ui::Form form_{"TestForm"};
  ui::ControlSet controls_;
  std::unique_ptr<FormWindow> window_;
};

TEST_F(PeersTest, EveryRowHasItsWindowWhereTheLayoutPutsIt) {
  for (const auto& row : controls_.Rows()) {
    if (row.kind == Kind::Group) {
      EXPECT_EQ(Window(row.name.c_str()), nullptr) << row.name;
      continue;
    }
    HWND window = Window(row.name.c_str());
    ASSERT_NE(window, nullptr) << row.name;
    if (row.kind == Kind::Page)
      continue;
    RECT at;
    GetWindowRect(window, &at);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.left, row.left) << row.name;
    EXPECT_EQ(at.top, row.top) << row.name;
    EXPECT_EQ(at.right - at.left, row.width) << row.name;
  }
  RECT client;
  GetClientRect(window_->Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 400);
  EXPECT_EQ(Text(window_->Handle()), "Peers under test");
  EXPECT_EQ(GetWindowLongPtrW(window_->Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
}

TEST_F(PeersTest, ModelChangesReachTheNativeControls) {
  struct Case {
    const char* what;
    std::function<void()> change;
    std::function<bool()> shows;
  };
  const Case cases[] = {
      {"check box checked", [&] { Model<ui::CheckBox>("FastZ").SetChecked(true); },
       [&] { return Checked(Window("FastZ")); }},
      {"button disabled", [&] { Model<ui::Button>("Open").SetEnabled(false); },
       [&] { return !IsWindowEnabled(Window("Open")); }},
      {"label hidden", [&] { Model<ui::Label>("Title").SetVisible(false); },
       [&] { return !IsWindowVisible(Window("Title")); }},
      {"panel shown", [&] { Model<ui::Panel>("Panel2").SetVisible(true); },
       [&] { return IsWindowVisible(Window("Panel2")) && IsWindowVisible(Window("Busy")); }},
      {"button caption", [&] { Model<ui::Button>("Open").SetCaption("Browse..."); },
       [&] { return Text(Window("Open")) == "Browse..."; }},
      {"button moved", [&] { Model<ui::Button>("Open").SetLeft(20); },
       [&] {
         RECT at;
         GetWindowRect(Window("Open"), &at);
         MapWindowPoints(nullptr, window_->Handle(), reinterpret_cast<POINT*>(&at), 2);
         return at.left == 20;
       }},
      {"font size", [&] { Model<ui::Button>("Open").SetFontSize(10); },
       [&] {
         return reinterpret_cast<HFONT>(SendMessageW(Window("Open"), WM_GETFONT, 0, 0)) ==
                window_->Context().Font(10);
       }},
      {"combo choice", [&] { Model<ui::ComboBox>("AFBox").SetItemIndex(2); },
       [&] {
         return SendMessageW(Window("AFBox"), CB_GETCURSEL, 0, 0) == 2 &&
                Text(Window("AFBox")) == "From System";
       }},
      {"combo no choice",
       [&] {
         Model<ui::ComboBox>("AFBox").SetItemIndex(1);
         Model<ui::ComboBox>("AFBox").SetItemIndex(-1);
       },
       [&] {
         return SendMessageW(Window("AFBox"), CB_GETCURSEL, 0, 0) == CB_ERR &&
                Text(Window("AFBox")).empty();
       }},
      {"combo items",
       [&] {
         Model<ui::ComboBox>("AFBox").SetItems({"None", "2x MSAA"});
       },
       [&] { return SendMessageW(Window("AFBox"), CB_GETCOUNT, 0, 0) == 2; }},
      {"edit text",
       [&] {
         Model<ui::Edit>("NoteEdit")
             .SetText(
                 "\xC3\x9C"
                 "ber");
       },
       [&] {
         return Text(Window("NoteEdit")) ==
                "\xC3\x9C"
                "ber";
       }},
      {"edit limit", [&] { Model<ui::Edit>("NoteEdit").SetMaxLength(50); },
       [&] { return SendMessageW(Window("NoteEdit"), EM_GETLIMITTEXT, 0, 0) == 50; }},
      {"edit read-only", [&] { Model<ui::Edit>("NoteEdit").SetReadOnly(true); },
       [&] { return (GetWindowLongPtrW(Window("NoteEdit"), GWL_STYLE) & ES_READONLY) != 0; }},
      {"check group item checked", [&] { Model<ui::CheckGroup>("res").SetItemChecked(1, true); },
       [&] { return Checked(Item("res", "800 x 600")) && !Checked(Item("res", "640 x 480")); }},
      {"check group item disabled", [&] { Model<ui::CheckGroup>("res").SetItemEnabled(2, false); },
       [&] {
         return !IsWindowEnabled(Item("res", "1024 x 768")) &&
                IsWindowEnabled(Item("res", "800 x 600"));
       }},
      {"radio choice", [&] { Model<ui::RadioGroup>("demo").SetItemIndex(2); },
       [&] {
         return Checked(Item("demo", "Custom demo:")) && !Checked(Item("demo", "QOR demo 1"));
       }},
      {"radio items",
       [&] {
         Model<ui::RadioGroup>("demo").SetItems({"One", "Two"});
       },
       [&] { return Item("demo", "Two") != nullptr && Item("demo", "Custom demo:") == nullptr; }},
      {"active page", [&] { Model<ui::PageControl>("Pages").SetActivePageIndex(1); },
       [&] { return IsWindowVisible(Window("Page2")) && !IsWindowVisible(Window("Page1")); }},
  };
  for (const Case& c : cases) {
    c.change();
    Pump();
    EXPECT_TRUE(c.shows()) << c.what;
  }
}

TEST_F(PeersTest, HintsAreTooltipsOfTheirControls) {
  auto tipOf = [&](HWND tool) {
    wchar_t buffer[80] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window_->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer;
    SendMessageW(window_->Context().Tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return Narrow(buffer);
  };
  EXPECT_EQ(tipOf(Window("Exit")), "Exit");
  Model<ui::Button>("Open").SetHint("Open results folder");
  EXPECT_EQ(tipOf(Window("Open")), "Open results folder");
  const auto count = [&] {
    return SendMessageW(window_->Context().Tooltip(), TTM_GETTOOLCOUNT, 0, 0);
  };
  const LRESULT before = count();
  Model<ui::Button>("Open").SetHint("");
  EXPECT_EQ(count(), before - 1);
}

// A disabled window gets no pointer messages; its hint must show all the same.
TEST_F(PeersTest, ADisabledControlShowsItsHintUnderThePointer) {
  Model<ui::PictureButton>("Run").SetEnabled(false);
  SetForegroundWindow(window_->Handle());
  RECT area;
  GetWindowRect(Window("Run"), &area);
  POINT at{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  // The pointer moved there as the user's mouse would: the system decides which window hears it.
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  HWND tooltip = window_->Context().Tooltip();
  const bool shown = testing::PumpUntil(
      [&] {
        SendInput(1, &move, sizeof(move));
        return IsWindowVisible(tooltip) != FALSE;
      },
      3000);
  ASSERT_TRUE(shown) << "no hint over the disabled button";
  wchar_t text[80] = {};
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.lpszText = text;
  SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(Narrow(text), "Run benchmark");
  SetCursorPos(0, 0);

  // Enabled again: the hint is the button's own again, and the parent holds no stale tool.
  const LRESULT disabledTools = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  Model<ui::PictureButton>("Run").SetEnabled(true);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), disabledTools - 1);
}

TEST_F(PeersTest, OnlyABoxThatTakesTypedTextHasATextField) {
  const auto kind = [&](const char* name) {
    return GetWindowLongPtrW(Window(name), GWL_STYLE) & (CBS_DROPDOWN | CBS_DROPDOWNLIST);
  };
  EXPECT_EQ(kind("AFBox"), CBS_DROPDOWNLIST);
  EXPECT_EQ(kind("AABox"), CBS_DROPDOWN);

  // A key in a list-only box chooses the item it begins; it is never the box's text.
  Model<ui::PageControl>("Pages").SetActivePageIndex(1);
  int changes = 0;
  Model<ui::ComboBox>("AFBox").OnChange = [&] { ++changes; };
  SetFocus(Window("AFBox"));
  SendMessageW(Window("AFBox"), WM_CHAR, L'T', 0);
  Pump();
  EXPECT_EQ(Model<ui::ComboBox>("AFBox").ItemIndex(), 1);
  EXPECT_EQ(Model<ui::ComboBox>("AFBox").Text(), "Trilinear");
  EXPECT_EQ(changes, 1);
}

// Colours that an item paints, counted over its whole window.
std::map<COLORREF, int> PaintedColors(HWND item) {
  RECT client;
  GetClientRect(item, &client);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = client.right;
  format.bmiHeader.biHeight = -client.bottom;  // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(item, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  std::map<COLORREF, int> colors;
  const auto* pixel = static_cast<const std::uint32_t*>(bits);
  for (LONG i = 0; i < client.right * client.bottom; ++i) {
    const std::uint32_t p = pixel[i];
    ++colors[RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)];
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return colors;
}

TEST_F(PeersTest, CheckItemsShowTheDesignColoursAndDisabledOnesAreGreyed) {
  auto& res = Model<ui::CheckGroup>("res");
  res.SetBackgroundColor(ui::kBlack);
  res.SetFontColor(ui::kWhite);
  res.SetItemChecked(0, true);
  res.SetItemEnabled(2, false);
  Pump();
  const COLORREF frame = RGB(28, 81, 128), mark = RGB(33, 161, 33), hot = RGB(255, 199, 60);
  const COLORREF white = RGB(255, 255, 255), grey = RGB(127, 127, 127);

  auto ticked = PaintedColors(Item("res", "640 x 480"));
  EXPECT_GT(ticked[frame], 20) << "the box's frame";
  EXPECT_GT(ticked[mark], 5) << "the tick";
  EXPECT_GT(ticked[white], 10) << "the text";

  auto disabled = PaintedColors(Item("res", "1024 x 768"));
  EXPECT_EQ(disabled[white], 0) << "a disabled item's text is greyed";
  EXPECT_GT(disabled[grey], 10);
  EXPECT_EQ(disabled[frame], 0);

  // The pointer over an item of a hot-tracked group lights its frame.
  HWND item = Item("res", "800 x 600");
  EXPECT_EQ(PaintedColors(item)[hot], 0);
  SendMessageW(item, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_GT(PaintedColors(item)[hot], 20);
  SendMessageW(item, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PaintedColors(item)[hot], 0);

  // Radio items: the same frame, and the chosen one's mark.
  Model<ui::RadioGroup>("demo").SetItemIndex(1);
  Pump();
  auto chosen = PaintedColors(Item("demo", "QOR demo 2"));
  EXPECT_GT(chosen[frame], 10);
  EXPECT_GT(chosen[mark], 5);
  EXPECT_EQ(PaintedColors(Item("demo", "QOR demo 1"))[mark], 0);
}

// Choices stored when the pointer leaves their control are stored at once when made with the
// keyboard, which leaves no control.
TEST_F(PeersTest, AKeyboardToggleIsStoredLikeAPointerLeavingIt) {
  int fastZStores = 0, resStores = 0;
  Model<ui::CheckBox>("FastZ").OnMouseLeave = [&] { ++fastZStores; };
  Model<ui::CheckGroup>("res").OnMouseLeave = [&] { ++resStores; };
  auto press = [](HWND button) {
    SetFocus(button);
    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button, WM_KEYUP, VK_SPACE, 0xC0000001);
  };
  SetForegroundWindow(window_->Handle());
  press(Window("FastZ"));
  EXPECT_TRUE(Model<ui::CheckBox>("FastZ").Checked());
  EXPECT_EQ(fastZStores, 1);

  Model<ui::PageControl>("Pages").SetActivePageIndex(0);
  press(Item("res", "800 x 600"));
  EXPECT_TRUE(Model<ui::CheckGroup>("res").ItemChecked(1));
  EXPECT_EQ(resStores, 1);

  // A click stores nothing until the pointer leaves.
  SendMessageW(Window("FastZ"), BM_CLICK, 0, 0);
  EXPECT_FALSE(Model<ui::CheckBox>("FastZ").Checked());
  EXPECT_EQ(fastZStores, 1);
}

TEST_F(PeersTest, PictureButtonsShowAHandCursor) {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  SendMessageW(Window("Exit"), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window("Exit")),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(PeersTest, UserActionsReachTheModelsAndFireTheirEvents) {
  std::vector<std::string> fired;
  Model<ui::CheckBox>("FastZ").OnClick = [&] { fired.push_back("FastZ click"); };
  Model<ui::Button>("Open").OnClick = [&] { fired.push_back("Open click"); };
  Model<ui::CheckGroup>("res").OnItemClick = [&](std::size_t i) {
    fired.push_back("res item " + std::to_string(i));
  };
  Model<ui::RadioGroup>("demo").OnChanging = [&] { fired.push_back("demo changing"); };
  Model<ui::ComboBox>("AFBox").OnChange = [&] { fired.push_back("AFBox change"); };
  Model<ui::PictureButton>("Exit").OnClick = [&] { fired.push_back("Exit click"); };
  Model<ui::Image>("Background").OnMouseDown = [&](ui::MouseButton button, int, int) {
    fired.push_back(button == ui::MouseButton::Right ? "right down" : "other down");
  };
  Model<ui::GroupBar>("Bar").Groups()[0]->ItemAt(1).OnClick = [&] {
    fired.push_back("Miscellaneous");
  };

  SendMessageW(Window("FastZ"), BM_CLICK, 0, 0);
  EXPECT_TRUE(Model<ui::CheckBox>("FastZ").Checked());
  EXPECT_TRUE(Checked(Window("FastZ")));

  SendMessageW(Window("Open"), BM_CLICK, 0, 0);

  SendMessageW(Item("res", "1024 x 768"), BM_CLICK, 0, 0);
  EXPECT_TRUE(Model<ui::CheckGroup>("res").ItemChecked(2));
  EXPECT_TRUE(Checked(Item("res", "1024 x 768")));

  SendMessageW(Item("demo", "QOR demo 2"), BM_CLICK, 0, 0);
  EXPECT_EQ(Model<ui::RadioGroup>("demo").ItemIndex(), 1);

  HWND combo = Window("AFBox");
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(Model<ui::ComboBox>("AFBox").ItemIndex(), 1);
  EXPECT_EQ(Model<ui::ComboBox>("AFBox").Text(), "Trilinear");

  SendMessageW(Window("Exit"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Window("Exit"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(Window("Exit"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Window("Exit"), WM_LBUTTONUP, 0, MAKELPARAM(50, 5));  // released elsewhere

  SendMessageW(Window("Background"), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));

  HWND bar = Window("Bar");
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));  // the "Benchmark" caption
  EXPECT_EQ(Model<ui::GroupBar>("Bar").OpenGroupIndex(), 0);
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(30, 24 + 20 + 5));  // its second item

  EXPECT_EQ(fired, (std::vector<std::string>{"FastZ click", "Open click", "res item 2",
                                             "demo changing", "AFBox change", "Exit click",
                                             "right down", "Miscellaneous"}));
}

TEST_F(PeersTest, TypedTextReachesTheEditAndTheLimitHolds) {
  auto& note = Model<ui::Edit>("NoteEdit");
  note.SetMaxLength(50);
  int changes = 0, exits = 0;
  note.OnChange = [&] { ++changes; };
  note.OnExit = [&] { ++exits; };
  Model<ui::PageControl>("Pages").SetActivePageIndex(1);
  HWND field = Window("NoteEdit");
  SetFocus(field);
  for (int i = 0; i < 51; ++i)
    SendMessageW(field, WM_CHAR, L'a' + i % 26, 0);
  EXPECT_EQ(note.Text().size(), 50u);
  EXPECT_EQ(Text(field).size(), 50u);
  EXPECT_EQ(changes, 50);

  SetFocus(Window("Open"));
  EXPECT_EQ(exits, 1);
}

TEST_F(PeersTest, PointerLeavingAGroupFromOneOfItsItemsCounts) {
  Model<ui::PageControl>("Pages").SetActivePageIndex(0);
  int leaves = 0;
  Model<ui::CheckGroup>("res").OnMouseLeave = [&] { ++leaves; };
  HWND item = Item("res", "800 x 600");
  RECT area;
  GetWindowRect(item, &area);
  SetCursorPos(area.left + 2, area.top + 2);
  SendMessageW(item, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  SendMessageW(item, WM_MOUSELEAVE, 0, 0);  // still over the group
  EXPECT_EQ(leaves, 0);
  SetCursorPos(0, 0);
  SendMessageW(item, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(leaves, 1);
}

TEST_F(PeersTest, BusyIndicatorStepsOnTheRealTimers) {
  auto& busy = Model<ui::BusyIndicator>("Busy");
  const int before = busy.Step();
  const ULONGLONG until = GetTickCount64() + 450;
  while (GetTickCount64() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  EXPECT_GE((busy.Step() - before + ui::BusyIndicator::kSegments) % ui::BusyIndicator::kSegments,
            2);
}

TEST_F(PeersTest, SystemCloseAsksTheFormAndHidesASecondaryWindow) {
  std::vector<std::string> steps;
  form_.OnCloseQuery = [&](bool&) { steps.push_back("query"); };
  form_.OnClose = [&] { steps.push_back("close"); };
  SendMessageW(window_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(steps, (std::vector<std::string>{"query", "close"}));
  EXPECT_FALSE(IsWindowVisible(window_->Handle()));
  EXPECT_TRUE(IsWindow(window_->Handle()));
}

TEST(MainFormWindowTest, MainWindowIsOnTheTaskbarAndEndsTheLoopWhenClosed) {
  Win32UiThread uiThread;
  PlainArtwork artwork;
  ui::ControlSet controls({LayoutRow("Image", Kind::Image).At(0, 0, 100, 100)}, uiThread);
  ui::Form form("Main");
  form.SetBounds({0, 0, 100, 100});
  FormWindow window(form, controls, artwork, FormWindow::Role::Main);
  EXPECT_NE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

  RECT work, outer;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(window.Handle(), &outer);
  EXPECT_NEAR((outer.left + outer.right) / 2, (work.left + work.right) / 2, 1);

  HWND handle = window.Handle();
  form.Close();
  EXPECT_FALSE(IsWindow(handle));
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace tamsendor::win32

#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/controls/form_window.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/no_artwork.h"
#include "ui/control_set.h"
#include "ui/rich_text_view.h"

namespace tamsendor::win32 {
namespace {

using ui::Kind;
using ui::LayoutRow;

class RichTextViewTest : public ::testing::Test {
 protected:
  RichTextViewTest() : controls_({LayoutRow("View", Kind::RichText).At(0, 0, 300, 200)}, ui_) {
    form_.SetBounds({0, 0, 300, 200});
    View().SetBackgroundColor(ui::kBlack);
    View().SetFontColor(ui::Color{224, 224, 224});
    View().OnLinkClick = [this](const std::string& address) { clicked_.push_back(address); };
    window_ = std::make_unique<FormWindow>(form_, controls_, artwork_, FormWindow::Role::Secondary);
    form_.Show();
    testing::PumpUntil([] { return false; }, 100);
  }

  ui::RichTextView& View() { return controls_.Get<ui::RichTextView>("View"); }
  HWND Edit() const { return window_->Peers().Handle("View"); }

  CHARFORMAT2W FormatAt(long index) const {
    CHARRANGE range{index, index + 1};
    SendMessageW(Edit(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(Edit(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  }
  POINT PointOf(long index) const {
    POINTL at{};
    SendMessageW(Edit(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), index);
    return {at.x + 2, at.y + 4};
  }
  void ClickAt(POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessageW(Edit(), WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(Edit(), WM_LBUTTONUP, 0, where);
  }

  Win32UiThread ui_;
  testing::NoArtwork artwork_;
  ui::Form form_{"NewsForm"};
  ui::ControlSet controls_;
  std::unique_ptr<FormWindow> window_;
  std::vector<std::string> clicked_;
};

ui::RichText Page() {
  ui::RichText text;
  text.runs = {{"News", true, false, 1, ""},
               {"\n\nRead ", false, false, 0, ""},
               {"more", false, false, 0, "https://a.example/more"},
               {" now\n", false, true, 0, ""}};
  return text;
}

TEST_F(RichTextViewTest, ShowsEachRunInItsStyle) {
  View().SetDocument(Page());
  wchar_t text[64] = {};
  GetWindowTextW(Edit(), text, 64);
  // The control hands its paragraphs out with CR LF; within, each counts as one character.
  EXPECT_EQ(std::wstring(text), L"News\r\n\r\nRead more now\r\n");
  EXPECT_TRUE(GetWindowLongW(Edit(), GWL_STYLE) & ES_READONLY);

  const CHARFORMAT2W heading = FormatAt(0);
  EXPECT_TRUE(heading.dwEffects & CFE_BOLD);
  EXPECT_GT(heading.yHeight, FormatAt(6).yHeight);
  const CHARFORMAT2W body = FormatAt(6);
  EXPECT_FALSE(body.dwEffects & (CFE_BOLD | CFE_UNDERLINE | CFE_ITALIC));
  EXPECT_EQ(body.crTextColor, RGB(224, 224, 224));
  const CHARFORMAT2W link = FormatAt(12);
  EXPECT_TRUE(link.dwEffects & CFE_UNDERLINE);
  EXPECT_NE(link.crTextColor, body.crTextColor);
  EXPECT_TRUE(FormatAt(17).dwEffects & CFE_ITALIC);
}

TEST_F(RichTextViewTest, AClickOnALinkAndOnlyThereOpensIt) {
  View().SetDocument(Page());
  ClickAt(PointOf(7));  // "Read"
  ClickAt(PointOf(1));  // the heading
  EXPECT_TRUE(clicked_.empty());
  ClickAt(PointOf(12));  // "more"
  EXPECT_EQ(clicked_, std::vector<std::string>{"https://a.example/more"});

  // Below the last line, under the link: the control's nearest character there is the link's,
  // but nothing lies under the pointer.
  clicked_.clear();
  View().SetDocument([] {
    ui::RichText text;
    text.runs = {{"more", false, false, 0, "https://a.example/more"}};
    return text;
  }());
  ClickAt({PointOf(1).x, 150});
  EXPECT_TRUE(clicked_.empty());
  ClickAt(PointOf(1));
  EXPECT_EQ(clicked_.size(), 1u);
}

TEST_F(RichTextViewTest, ANewDocumentReplacesTheOld) {
  View().SetDocument(Page());
  View().SetDocument({});
  EXPECT_EQ(GetWindowTextLengthW(Edit()), 0);
  ClickAt(PointOf(0));
  EXPECT_TRUE(clicked_.empty());
}

}  // namespace
}  // namespace tamsendor::win32

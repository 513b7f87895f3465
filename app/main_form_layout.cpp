#include "app/main_form_layout.h"

#include <algorithm>
#include <string>

#include "gameconfig/autoexec_text.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/radio_group.h"

namespace tamsendor::app {

using ui::Kind;
using ui::LayoutRow;

ui::Layout MainFormLayout() {
  return {
      LayoutRow("Image4", Kind::Image).At(0, 0, 559, 475).Picture("main background"),
      LayoutRow("SpeedButton2", Kind::PictureButton)
          .At(517, 7, 17, 17)
          .Hint("Minimize")
          .Picture("minimize"),
      LayoutRow("SpeedButton1", Kind::PictureButton)
          .At(533, 7, 18, 17)
          .Hint("Exit")
          .Picture("close"),
      LayoutRow("RzShapeButton1", Kind::PictureButton)
          .At(411, 6, 82, 22)
          .Hint("Check for newer version")
          .Picture("update"),
      LayoutRow("RzShapeButton3", Kind::PictureButton)
          .At(413, 35, 82, 22)
          .Hint("Visit our site")
          .Picture("site"),
      LayoutRow("RzShapeButton4", Kind::PictureButton)
          .At(414, 62, 79, 20)
          .Hint("Open the help file")
          .Picture("help"),
      LayoutRow("StatusInfo", Kind::Label).At(16, 458, 530, 14),
      // Scratch text for the adapter probes; never shown.
      LayoutRow("Memo1", Kind::Edit).At(264, 2, 25, 25),

      // The group bar chooses the page; "&&" shows as one "&".
      LayoutRow("RzGroupBar1", Kind::GroupBar).At(8, 210, 130, 247),
      LayoutRow("RzGroup1", Kind::Group, "RzGroupBar1")
          .Caption("Benchmark")
          .Items(
              {"Path && information", "Resolution && detail", "Filters && demos", "Miscellaneous"}),
      LayoutRow("RzGroup3", Kind::Group, "RzGroupBar1")
          .Caption("Other")
          .Items({"HL2 EO Tweakguide", "Homepage", "About..."}),
      LayoutRow("BenchPanel", Kind::Panel).At(25, 392, 102, 24),
      LayoutRow("BenchButton", Kind::PictureButton, "BenchPanel")
          .At(0, 0, 102, 24)
          .Hint("Run benchmark")
          .Picture("run"),
      LayoutRow("RzSeparator1", Kind::Image).At(144, 192, 2, 265).Picture("separator"),
      LayoutRow("Image2", Kind::Image).At(185, 227, 332, 200).Picture("welcome"),

      // The page area, tabs hidden: the group bar's items show its pages.
      LayoutRow("PageControl", Kind::PageControl).At(150, 205, 403, 252),
      LayoutRow("TabSheet1", Kind::Page, "PageControl").At(0, 0, 403, 252),
      LayoutRow("GamePathGroup", Kind::GroupBox, "TabSheet1")
          .At(4, 2, 395, 106)
          .Caption(" Half-Life 2 Episode Two path "),
      LayoutRow("HL2PathEdit", Kind::Edit, "GamePathGroup").At(6, 20, 364, 21),
      LayoutRow("RzToolButton2", Kind::PictureButton, "GamePathGroup")
          .At(371, 19, 22, 23)
          .Hint("Browse...")
          .Picture("folder"),
      LayoutRow("Label11", Kind::Label, "GamePathGroup")
          .At(8, 48, 380, 52)
          .Caption("Important note: if you purchased the game via Steam, please use the browse "
                   "button on the right side that you can specify the correct path of Half-Life "
                   "2 Episode Two!"),
      LayoutRow("InformationGroup", Kind::GroupBox, "TabSheet1")
          .At(4, 112, 395, 42)
          .Caption(" Information "),
      LayoutRow("Label5", Kind::Label, "InformationGroup")
          .At(8, 20, 104, 14)
          .Caption("Benchmark version:"),
      LayoutRow("Label17", Kind::Label, "InformationGroup").At(114, 20, 200, 14).Caption("version"),
      LayoutRow("ResultsFolderGroup", Kind::GroupBox, "TabSheet1")
          .At(4, 158, 395, 84)
          .Caption(" Results folder "),
      LayoutRow("ResEdit", Kind::Edit, "ResultsFolderGroup").At(8, 20, 356, 21),
      LayoutRow("RzToolButton5", Kind::PictureButton, "ResultsFolderGroup")
          .At(367, 19, 22, 23)
          .Hint("Browse...")
          .Picture("folder"),
      LayoutRow("OpenResFolder", Kind::PictureButton, "ResultsFolderGroup")
          .At(8, 50, 76, 24)
          .Caption("Open")
          .Hint("Open results folder")
          .Picture("open folder"),
      LayoutRow("TabSheet2", Kind::Page, "PageControl").At(0, 0, 403, 252),
      LayoutRow("res", Kind::CheckGroup, "TabSheet2")
          .At(8, 4, 387, 126)
          .Caption(" Resolution ")
          .Columns(3)
          .HotTracked()
          .Items({"640 \xC3\x97 480", "800 \xC3\x97 600", "1024 \xC3\x97 768", "1280 \xC3\x97 1024",
                  "1600 \xC3\x97 1200", "2048 \xC3\x97 1536", "1280 \xC3\x97 768",
                  "1920 \xC3\x97 1080", "1920 \xC3\x97 1200"}),
      LayoutRow("cusresbox", Kind::CheckBox, "TabSheet2")
          .At(20, 100, 120, 17)
          .Caption("Custom resolution:"),
      LayoutRow("CusWidth", Kind::Edit, "TabSheet2").At(144, 98, 41, 21),
      LayoutRow("Label6", Kind::Label, "TabSheet2").At(189, 101, 8, 14).Caption("\xC3\x97"),
      LayoutRow("CusHeight", Kind::Edit, "TabSheet2").At(200, 98, 41, 21),
      LayoutRow("CusPossibilities", Kind::Button, "TabSheet2")
          .At(248, 97, 80, 23)
          .Caption("Possibilities"),
      LayoutRow("DetailBox", Kind::RadioGroup, "TabSheet2")
          .At(8, 136, 387, 44)
          .Caption(" Detail level ")
          .Columns(4)
          .Items({"Maximum quality"}),
      LayoutRow("Label15", Kind::Label, "TabSheet2")
          .At(16, 186, 370, 14)
          .Caption("The maximum quality level is the best graphics possible."),
      // Holds the generated autoexec.cfg's template; never shown.
      LayoutRow("MaxSet", Kind::Edit, "TabSheet2").At(300, 190, 89, 41),
      LayoutRow("TabSheet3", Kind::Page, "PageControl").At(0, 0, 403, 252),
      LayoutRow("FiltersGroup", Kind::GroupBox, "TabSheet3").At(4, 2, 395, 64).Caption(" Filters "),
      LayoutRow("Label13", Kind::Label, "FiltersGroup")
          .At(10, 17, 170, 14)
          .Caption("Filtering mode"),
      LayoutRow("AFBox", Kind::ComboBox, "FiltersGroup")
          .At(10, 33, 175, 21)
          .TakesTypedText()
          .Items({"Bilinear", "Trilinear", "Anisotropic 2\xC3\x97", "Anisotropic 4\xC3\x97",
                  "Anisotropic 8\xC3\x97", "Anisotropic 16\xC3\x97", "From System"}),
      LayoutRow("Label16", Kind::Label, "FiltersGroup")
          .At(205, 17, 170, 14)
          .Caption("Antialiasing mode"),
      LayoutRow("AABox", Kind::ComboBox, "FiltersGroup")
          .At(205, 33, 175, 21)
          .TakesTypedText()
          .Items({"None", "2\xC3\x97 MSAA", "4\xC3\x97 MSAA", "8x CSAA", "16x CSAA", "8x MSAA",
                  "16xQ CSAA", "From System"}),
      LayoutRow("demo", Kind::RadioGroup, "TabSheet3")
          .At(4, 72, 395, 76)
          .Caption(" Choose a demo ")
          .Columns(3)
          .Items({"QOR demo 1", "QOR demo 2", "Custom demo:"}),
      LayoutRow("DemoEdit", Kind::Edit, "demo").At(10, 44, 326, 21),
      LayoutRow("DemoEditButton", Kind::PictureButton, "demo")
          .At(340, 43, 22, 23)
          .Hint("Browse...")
          .Picture("folder"),
      LayoutRow("RunsGroup", Kind::GroupBox, "TabSheet3")
          .At(4, 154, 395, 52)
          .Caption(" Number of times to run the demo "),
      LayoutRow("RunNumberBox", Kind::ComboBox, "RunsGroup")
          .At(10, 20, 60, 21)
          .Items({"1", "2", "3", "4", "5"}),
      LayoutRow("TabSheet4", Kind::Page, "PageControl").At(0, 0, 403, 252),
      LayoutRow("Label19", Kind::Label, "TabSheet4")
          .At(16, 8, 240, 14)
          .Caption("Benchmark notes (50 chars at most!)"),
      LayoutRow("NoteEdit", Kind::Edit, "TabSheet4").At(16, 24, 370, 21),
      LayoutRow("Label3", Kind::Label, "TabSheet4").At(16, 60, 120, 14).Caption("Heapsize "),
      LayoutRow("HeapsizeBox", Kind::ComboBox, "TabSheet4")
          .At(140, 56, 120, 21)
          .Items({"64 MB - default", "128 MB", "256 MB", "512 MB", "1024 MB"}),
      LayoutRow("Label7", Kind::Label, "TabSheet4").At(16, 86, 120, 14).Caption("Refresh rate"),
      LayoutRow("RefreshBox", Kind::ComboBox, "TabSheet4")
          .At(140, 82, 120, 21)
          .Items({"60 Hz", "70 Hz", "75 Hz", "85 Hz"}),
      LayoutRow("Label4", Kind::Label, "TabSheet4")
          .At(16, 112, 120, 14)
          .Caption("High Dynamic Range"),
      LayoutRow("HDRBox", Kind::ComboBox, "TabSheet4")
          .At(140, 108, 120, 21)
          .Items({"None", "Bloom (if available)", "Full (if available)"}),
      LayoutRow("Label8", Kind::Label, "TabSheet4").At(16, 138, 120, 14).Caption("Motion Blur"),
      LayoutRow("MBlurBox", Kind::ComboBox, "TabSheet4")
          .At(140, 134, 120, 21)
          .Items({"Enabled", "Disabled"}),
      LayoutRow("Label9", Kind::Label, "TabSheet4").At(16, 164, 120, 14).Caption("DirectX Level"),
      LayoutRow("DXLevelBox", Kind::ComboBox, "TabSheet4")
          .At(140, 160, 120, 21)
          .Items({"DirectX 9.0", "DirectX 9.0+"}),
      LayoutRow("FastZBox", Kind::CheckBox, "TabSheet4")
          .At(16, 192, 200, 17)
          .Caption("Enable fast z-setting")
          .Hint("Enables or disables a depth fill pass that may improve performance in "
                "graphics-bound situations."),
      LayoutRow("ColorCorrBox", Kind::CheckBox, "TabSheet4")
          .At(16, 212, 200, 17)
          .Caption("Enable color correction"),

      // The progress panel covers the page area while a benchmark runs.
      LayoutRow("Panel2", Kind::Panel).At(152, 212, 401, 253),
      LayoutRow("Label20", Kind::Label, "Panel2")
          .At(72, 56, 320, 18)
          .Caption("Collecting system information, please wait..."),
      LayoutRow("Label21", Kind::Label, "Panel2").At(118, 88, 280, 14).Caption("Resolution: ..."),
      LayoutRow("RunsLabel", Kind::Label, "Panel2").At(72, 104, 280, 14),
      LayoutRow("TimeLeftLabel", Kind::Label, "Panel2").At(72, 120, 280, 14),
      LayoutRow("AdvCircularProgress1", Kind::BusyIndicator, "Panel2").At(170, 112, 60, 60),
      LayoutRow("TimeLimitLabel", Kind::Label, "Panel2").At(16, 160, 370, 14),
      LayoutRow("StopButton", Kind::Button, "Panel2")
          .At(160, 190, 80, 23)
          .Caption("Stop")
          .Hint("Stop the benchmark"),
      LayoutRow("WaitButton", Kind::Button, "Panel2")
          .At(250, 190, 80, 23)
          .Caption("Wait")
          .Hint("Give the game 10 minutes more"),
  };
}

namespace {

constexpr ui::Color kPageColor{18, 19, 24};
constexpr ui::Color kPageText{222, 222, 228};

// The pages are dark like the rest of the window, with light text, and opaque, so the picture
// beneath them does not show through.
void ApplyPageLook(ui::ControlSet& controls) {
  const ui::Layout& rows = controls.Rows();
  auto onPage = [&rows](std::string parent) {
    while (!parent.empty()) {
      if (parent == "PageControl")
        return true;
      const auto row = std::find_if(rows.begin(), rows.end(),
                                    [&](const ui::LayoutRow& r) { return r.name == parent; });
      parent = row == rows.end() ? std::string() : row->parent;
    }
    return false;
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ui::LayoutRow& row = rows[i];
    if (!onPage(row.parent))
      continue;
    switch (row.kind) {
      case ui::Kind::Page:
      case ui::Kind::GroupBox:
      case ui::Kind::Label:
      case ui::Kind::CheckBox:
      case ui::Kind::CheckGroup:
      case ui::Kind::RadioGroup:
        controls.At(i).SetBackgroundColor(kPageColor);
        controls.At(i).SetFontColor(kPageText);
        break;
      default:
        break;
    }
  }
}

}  // namespace

void ApplyMainFormDesign(ui::Form& form, ui::ControlSet& controls) {
  form.SetCaption("Korvalin Tamsendor");
  form.SetBounds({0, 0, 559, 475});
  form.SetBackgroundColor(ui::kBlack);
  form.SetBorderStyle(ui::BorderStyle::None);
  form.SetPosition(ui::FormPosition::DesktopCenter);

  controls.Get<ui::PictureButton>("SpeedButton2").SetFlat(true);
  controls.Get<ui::PictureButton>("SpeedButton1").SetFlat(true);
  for (const char* name :
       {"RzShapeButton1", "RzShapeButton3", "RzShapeButton4", "BenchButton", "SpeedButton1",
        "SpeedButton2", "RzToolButton2", "RzToolButton5", "OpenResFolder", "DemoEditButton"})
    controls.Get<ui::PictureButton>(name).SetCursor(ui::Cursor::HandPoint);

  controls.Get<ui::Panel>("BenchPanel").SetBackgroundColor(ui::kBlack);
  controls.Get<ui::Edit>("NoteEdit").SetMaxLength(50);
  for (const char* name : {"HL2PathEdit", "ResEdit", "DemoEdit", "CusWidth", "CusHeight"})
    controls.Get<ui::Edit>(name).SetReadOnly(true);
  // Shown, not typed into: Tab passes the two folder fields by.
  for (const char* name : {"HL2PathEdit", "ResEdit"})
    controls.Get<ui::Edit>(name).SetTabStop(false);
  controls.Get<ui::Label>("Label11").SetWordWrap(true);
  controls.Get<ui::RadioGroup>("DetailBox").SetItemIndex(0);
  // The user's own demo is chosen with the last demo item, which enables these.
  controls.Get<ui::Edit>("DemoEdit").SetEnabled(false);
  controls.Get<ui::PictureButton>("DemoEditButton").SetEnabled(false);
  controls.Get<ui::PageControl>("PageControl").SetVisible(false);
  auto& template_ = controls.Get<ui::Edit>("MaxSet");
  template_.SetText(gameconfig::AutoexecTemplateText());
  template_.SetVisible(false);
  controls.Get<ui::Edit>("Memo1").SetVisible(false);
  ApplyPageLook(controls);

  auto& progress = controls.Get<ui::Panel>("Panel2");
  progress.SetBackgroundColor(ui::kBlack);
  progress.SetVisible(false);
  for (const char* name : {"Label20", "Label21", "RunsLabel", "TimeLeftLabel", "TimeLimitLabel"})
    controls.Get<ui::Label>(name).SetFontColor(ui::kWhite);
  // Shown while a benchmark runs; the time limit's offer only when a run is over it.
  for (const char* name : {"StopButton", "WaitButton"})
    controls.Get<ui::Button>(name).SetVisible(false);
  controls.Get<ui::Label>("TimeLimitLabel").SetVisible(false);
  controls.Get<ui::Label>("Label20").SetFontSize(10);
  auto& busy = controls.Get<ui::BusyIndicator>("AdvCircularProgress1");
  busy.SetVisible(false);
  busy.SetEnabled(false);
  busy.SetActiveColor({200, 200, 200});
  busy.SetInactiveColor(ui::kSilver);
  busy.SetTransitionColor({11, 55, 234});

  auto& status = controls.Get<ui::Label>("StatusInfo");
  status.SetFontColor(ui::kSilver);
  status.SetTransparent(true);
}

}  // namespace tamsendor::app

#include "app/main_controls.h"

namespace tamsendor::app {

MainControls::MainControls(ui::Form& form, ui::ControlSet& c)
    : MainWindow(form),
      SpeedButton1(c.Get<ui::PictureButton>("SpeedButton1")),
      SpeedButton2(c.Get<ui::PictureButton>("SpeedButton2")),
      Image4(c.Get<ui::Image>("Image4")),
      PageControl(c.Get<ui::PageControl>("PageControl")),
      RzGroup1(c.Get<ui::BarGroup>("RzGroup1")),
      RzGroup3(c.Get<ui::BarGroup>("RzGroup3")),
      RzShapeButton1(c.Get<ui::PictureButton>("RzShapeButton1")),
      RzShapeButton3(c.Get<ui::PictureButton>("RzShapeButton3")),
      RzShapeButton4(c.Get<ui::PictureButton>("RzShapeButton4")),
      Label17(c.Get<ui::Label>("Label17")),
      StatusInfo(c.Get<ui::Label>("StatusInfo")),
      BenchButton(c.Get<ui::PictureButton>("BenchButton")),
      Panel2(c.Get<ui::Panel>("Panel2")),
      Label20(c.Get<ui::Label>("Label20")),
      Label21(c.Get<ui::Label>("Label21")),
      RunsLabel(c.Get<ui::Label>("RunsLabel")),
      AdvCircularProgress1(c.Get<ui::BusyIndicator>("AdvCircularProgress1")),
      TimeLeftLabel(c.Get<ui::Label>("TimeLeftLabel")),
      TimeLimitLabel(c.Get<ui::Label>("TimeLimitLabel")),
      StopButton(c.Get<ui::Button>("StopButton")),
      WaitButton(c.Get<ui::Button>("WaitButton")),
      res(c.Get<ui::CheckGroup>("res")),
      cusresbox(c.Get<ui::CheckBox>("cusresbox")),
      CusWidth(c.Get<ui::Edit>("CusWidth")),
      CusHeight(c.Get<ui::Edit>("CusHeight")),
      CusPossibilities(c.Get<ui::Button>("CusPossibilities")),
      AFBox(c.Get<ui::ComboBox>("AFBox")),
      AABox(c.Get<ui::ComboBox>("AABox")),
      demo(c.Get<ui::RadioGroup>("demo")),
      DemoEdit(c.Get<ui::Edit>("DemoEdit")),
      DemoEditButton(c.Get<ui::PictureButton>("DemoEditButton")),
      RunNumberBox(c.Get<ui::ComboBox>("RunNumberBox")),
      HeapsizeBox(c.Get<ui::ComboBox>("HeapsizeBox")),
      RefreshBox(c.Get<ui::ComboBox>("RefreshBox")),
      HDRBox(c.Get<ui::ComboBox>("HDRBox")),
      MBlurBox(c.Get<ui::ComboBox>("MBlurBox")),
      DXLevelBox(c.Get<ui::ComboBox>("DXLevelBox")),
      FastZBox(c.Get<ui::CheckBox>("FastZBox")),
      ColorCorrBox(c.Get<ui::CheckBox>("ColorCorrBox")),
      HL2PathEdit(c.Get<ui::Edit>("HL2PathEdit")),
      RzToolButton2(c.Get<ui::PictureButton>("RzToolButton2")),
      ResEdit(c.Get<ui::Edit>("ResEdit")),
      RzToolButton5(c.Get<ui::PictureButton>("RzToolButton5")),
      OpenResFolder(c.Get<ui::PictureButton>("OpenResFolder")),
      NoteEdit(c.Get<ui::Edit>("NoteEdit")) {}

// Each bundle names its fields: most of them are of one kind, and a swap would compile.

bench::LaunchControls MainControls::ForLaunch() const {
  return {.MainWindow = MainWindow,
          .res = res,
          .cusresbox = cusresbox,
          .CusWidth = CusWidth,
          .CusHeight = CusHeight,
          .Label21 = Label21,
          .StatusInfo = StatusInfo,
          .BenchButton = BenchButton,
          .Panel2 = Panel2};
}

bench::ProgressControls MainControls::ForProgress() const {
  return {.RunsLabel = RunsLabel,
          .TimeLeftLabel = TimeLeftLabel,
          .TimeLimitLabel = TimeLimitLabel,
          .StopButton = StopButton,
          .WaitButton = WaitButton};
}

bench::StartControls MainControls::ForStart() const {
  return {.MainWindow = MainWindow,
          .StatusInfo = StatusInfo,
          .BenchButton = BenchButton,
          .Panel2 = Panel2,
          .Label20 = Label20,
          .Label21 = Label21,
          .RunsLabel = RunsLabel,
          .AdvCircularProgress1 = AdvCircularProgress1,
          .RunNumberBox = RunNumberBox,
          .FastZBox = FastZBox,
          .RefreshBox = RefreshBox,
          .HeapsizeBox = HeapsizeBox,
          .DXLevelBox = DXLevelBox};
}

report::CollectionControls MainControls::ForCollection() const {
  return {.Panel2 = Panel2,
          .BenchButton = BenchButton,
          .StatusInfo = StatusInfo,
          .NoteEdit = NoteEdit,
          .CusWidth = CusWidth,
          .CusHeight = CusHeight,
          .HDRBox = HDRBox,
          .HeapsizeBox = HeapsizeBox,
          .MBlurBox = MBlurBox,
          .DXLevelBox = DXLevelBox,
          .AABox = AABox,
          .AFBox = AFBox,
          .FastZBox = FastZBox,
          .ColorCorrBox = ColorCorrBox};
}

gameconfig::GameSettingsControls MainControls::ForGameSettings() const {
  return {.AFBox = AFBox,
          .AABox = AABox,
          .ColorCorrBox = ColorCorrBox,
          .HDRBox = HDRBox,
          .MBlurBox = MBlurBox};
}

gameconfig::AutoexecControls MainControls::ForAutoexec() const {
  return {.HDRBox = HDRBox, .MBlurBox = MBlurBox, .ColorCorrBox = ColorCorrBox};
}

gameconfig::DemoControls MainControls::ForDemos() const {
  return {.demo = demo, .DemoEdit = DemoEdit, .DemoEditButton = DemoEditButton};
}

SettingsControls MainControls::ForSettings() const {
  return {.res = res,
          .cusresbox = cusresbox,
          .CusWidth = CusWidth,
          .CusHeight = CusHeight,
          .demo = demo,
          .DemoEdit = DemoEdit,
          .AFBox = AFBox,
          .AABox = AABox,
          .RunNumberBox = RunNumberBox,
          .NoteEdit = NoteEdit,
          .HeapsizeBox = HeapsizeBox,
          .RefreshBox = RefreshBox,
          .HDRBox = HDRBox,
          .MBlurBox = MBlurBox,
          .DXLevelBox = DXLevelBox,
          .FastZBox = FastZBox,
          .ColorCorrBox = ColorCorrBox};
}

}  // namespace tamsendor::app

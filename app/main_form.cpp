#include "app/main_form.h"

#include "app/main_form_layout.h"
#include "app/start_up_colors.h"
#include "core/product_key.h"
#include "core/steam_key.h"
#include "gameconfig/user_sid.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_bar.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/radio_group.h"

namespace tamsendor::app {

TForm1::TForm1(ui::Application& application, const AppServices& services, std::uint32_t splashMs)
    : services_(services),
      splashMs_(splashMs),
      form_("TForm1"),
      controls_(MainFormLayout(), services.timers),
      lifecycle_(application, form_, cleanUp_),
      pages_(controls_.Get<ui::PageControl>("PageControl")),
      directx_(services.registry, controls_.Get<ui::BusyIndicator>("AdvCircularProgress1")),
      gameSettings_(GameSettingsControls(), services.registry),
      autoexec_({controls_.Get<ui::ComboBox>("HDRBox"), controls_.Get<ui::ComboBox>("MBlurBox"),
                 controls_.Get<ui::CheckBox>("ColorCorrBox")},
                services.files, services.dialogs, services.wait, folders_),
      demos_({controls_.Get<ui::RadioGroup>("demo"), controls_.Get<ui::Edit>("DemoEdit"),
              controls_.Get<ui::Control>("DemoEditButton")},
             services.files, services.registry, services.dialogs, services.fileDialogs, folders_),
      recovery_(controls_.Get<ui::Edit>("NoteEdit"), services.files, services.registry,
                services.dialogs, folders_, autoexec_, demos_),
      preparation_(folders_, services.files, services.dialogs, autoexec_, demos_, gameSettings_),
      runners_(services.launcher),
      launcher_(LaunchControls(), folders_, runners_.cp),
      collection_(
          CollectionControls(),
          {services.files, services.dialogs, services.fileDialogs, services.opener, services.clock,
           services.host, services.probes},
          folders_,
          {[this] { autoexec_.RestoreAutoexec(); }, [this] { recovery_.CleanUpAfterBenchmark(); }}),
      sequencer_(launcher_, controls_.Get<ui::Label>("RunsLabel"), services.processes,
                 services.placement, services.timers,
                 [this](const core::RunState& progress) { collection_.CollectResults(progress); }),
      start_(
          StartControls(),
          {services.files, services.processes, services.registry, services.dialogs, services.clock},
          folders_, runners_.cp2, launcher_, sequencer_,
          {[this] { return directx_.TakeCachedFacts(); },
           [this] {
             // No DirectX diagnostic yet: the report says "indeterminable".
             directx_.SetDirectXFactsIndeterminable();
             start_.StartBenchmark();
           },
           [this]() -> std::optional<std::string> {
             if (!preparation_.PrepareGame())
               return std::nullopt;
             return demos_.DemoName();
           },
           [this] { WriteReportHeader(); }}),
      store_(services.registry, services.files, StoredChoices()),
      writers_(services.registry, StoredChoices()),
      heapAdvice_(services.registry, services.dialogs, services.host,
                  StoredLists(StoredChoices()).Heapsize),
      games_({services.registry, services.files, services.search, services.fileDialogs},
             controls_.Get<ui::Edit>("HL2PathEdit"), folders_),
      results_({services.registry, services.files, services.fileDialogs, services.opener,
                services.dialogs},
               controls_.Get<ui::Edit>("ResEdit"), folders_),
      splash_(application, services.timers) {
  ApplyMainFormDesign(form_, controls_);
  Connect();
  FormCreate();
}

bench::LaunchControls TForm1::LaunchControls() {
  return {form_,
          controls_.Get<ui::CheckGroup>("res"),
          controls_.Get<ui::CheckBox>("cusresbox"),
          controls_.Get<ui::Edit>("CusWidth"),
          controls_.Get<ui::Edit>("CusHeight"),
          controls_.Get<ui::Label>("Label21"),
          controls_.Get<ui::Label>("StatusInfo"),
          controls_.Get<ui::Control>("BenchButton"),
          controls_.Get<ui::Panel>("Panel2")};
}

bench::StartControls TForm1::StartControls() {
  return {form_,
          controls_.Get<ui::Label>("StatusInfo"),
          controls_.Get<ui::Control>("BenchButton"),
          controls_.Get<ui::Panel>("Panel2"),
          controls_.Get<ui::Label>("Label20"),
          controls_.Get<ui::Label>("Label21"),
          controls_.Get<ui::Label>("RunsLabel"),
          controls_.Get<ui::BusyIndicator>("AdvCircularProgress1"),
          controls_.Get<ui::ComboBox>("RunNumberBox"),
          controls_.Get<ui::CheckBox>("FastZBox"),
          controls_.Get<ui::ComboBox>("RefreshBox"),
          controls_.Get<ui::ComboBox>("HeapsizeBox"),
          controls_.Get<ui::ComboBox>("DXLevelBox")};
}

report::CollectionControls TForm1::CollectionControls() {
  return {controls_.Get<ui::Panel>("Panel2"),      controls_.Get<ui::Control>("BenchButton"),
          controls_.Get<ui::Label>("StatusInfo"),  controls_.Get<ui::Edit>("NoteEdit"),
          controls_.Get<ui::Edit>("CusWidth"),     controls_.Get<ui::Edit>("CusHeight"),
          controls_.Get<ui::ComboBox>("HDRBox"),   controls_.Get<ui::ComboBox>("HeapsizeBox"),
          controls_.Get<ui::ComboBox>("MBlurBox"), controls_.Get<ui::ComboBox>("DXLevelBox"),
          controls_.Get<ui::ComboBox>("AABox"),    controls_.Get<ui::ComboBox>("AFBox"),
          controls_.Get<ui::CheckBox>("FastZBox"), controls_.Get<ui::CheckBox>("ColorCorrBox")};
}

gameconfig::GameSettingsControls TForm1::GameSettingsControls() {
  return {controls_.Get<ui::ComboBox>("AFBox"), controls_.Get<ui::ComboBox>("AABox"),
          controls_.Get<ui::CheckBox>("ColorCorrBox"), controls_.Get<ui::ComboBox>("HDRBox"),
          controls_.Get<ui::ComboBox>("MBlurBox")};
}

SettingsControls TForm1::StoredChoices() {
  const auto& c = controls_;
  return {c.Get<ui::CheckGroup>("res"),        c.Get<ui::CheckBox>("cusresbox"),
          c.Get<ui::Edit>("CusWidth"),         c.Get<ui::Edit>("CusHeight"),
          c.Get<ui::RadioGroup>("demo"),       c.Get<ui::Edit>("DemoEdit"),
          c.Get<ui::ComboBox>("AFBox"),        c.Get<ui::ComboBox>("AABox"),
          c.Get<ui::ComboBox>("RunNumberBox"), c.Get<ui::Edit>("NoteEdit"),
          c.Get<ui::ComboBox>("HeapsizeBox"),  c.Get<ui::ComboBox>("RefreshBox"),
          c.Get<ui::ComboBox>("HDRBox"),       c.Get<ui::ComboBox>("MBlurBox"),
          c.Get<ui::ComboBox>("DXLevelBox"),   c.Get<ui::CheckBox>("FastZBox"),
          c.Get<ui::CheckBox>("ColorCorrBox")};
}

void TForm1::WriteReportHeader() {
  const sysinfo::DirectXFacts& directX = directx_.Facts();
  collection_.WriteReportHeader({start_.FileStamp(), start_.DisplayStamp(), demos_.DemoCaption(),
                                 autoexec_.DetailLevelName(), directX.CardName,
                                 directX.DisplayMemory, directX.DriverVersion, directX.Sound});
}

void TForm1::FormCreate() {
  // Nothing else of the start-up shows, or can be touched, while the splash shows.
  splash_.ShowSplash(splashMs_, [this] {
    RunStartUpSteps();
    startedUp_ = true;
    form_.Show();
  });
}

// A broken installation stops the steps early; the window still opens.
void TForm1::RunStartUpSteps() {
  ApplyStartUpColors(controls_);
  results_.SetUpProgramFolder(services_.program);
  pages_.RzGroup3Items4Click();  // the page area hidden
  heapAdvice_.ComputeMemoryClass();
  controls_.Get<ui::Label>("Label17").SetCaption(services_.program.FileVersion());

  auto& benchButton = controls_.Get<ui::Control>("BenchButton");
  auto refuse = [&](const char* message) {
    services_.dialogs.ShowMessage(message);
    benchButton.SetEnabled(false);
    benchButton.SetHint(message);
  };
  const auto& registry = services_.registry;
  if (!core::ProductKeyExists(registry)) {
    refuse("Please reinstall the Korvalin Tamsendor!");
    return;
  }
  if (!registry.KeyExists(core::kSteamRoot, core::kSteamKey)) {
    refuse("Please install the Half-Life 2 Episode Two!");
    return;
  }
  {
    const OfferedModes offered(BuildDisplayModeList(services_.display));
    store_.ReadResolutions(offered);
    store_.ReadCustomResolution(offered);
  }
  store_.ReadFilterLevels();
  if (const std::optional<int> runCount = store_.ReadRunNumber())
    sequencer_.SetRunCount(*runCount);
  games_.FindSteamAndGame();
  store_.ReadDemo();
  results_.ReadResultPath();
  store_.ReadNoteAndEngineOptions();
  recovery_.NoteLoaded();
  recovery_.CheckLeftoverAutoexec();
  gameSettings_.UserSid = gameconfig::ReadUserSid(services_.identity);
  pages_.RzGroup3Items4Click();  // the page area hidden
}

void TForm1::Connect() {
  controls_.Get<ui::PictureButton>("SpeedButton2").OnClick = [this] {
    lifecycle_.SpeedButton2Click();
  };
  controls_.Get<ui::PictureButton>("SpeedButton1").OnClick = [this] {
    lifecycle_.SpeedButton1Click();
  };
  controls_.Get<ui::Image>("Image4").OnMouseDown = [this](ui::MouseButton button, int, int) {
    lifecycle_.Image4MouseDown(button);
  };
  controls_.Get<ui::Control>("BenchButton").OnClick = [this] { start_.BenchButtonClick(); };
  controls_.Get<ui::ComboBox>("RunNumberBox").OnChange = [this] { start_.StoreRunCount(); };
  runners_.cp.OnTerminate = [this](bench::TJvCreateProcess& sender, std::uint32_t exitCode) {
    sequencer_.cpTerminate(sender, exitCode);
  };
  launcher_.OnLaunchFailed = [this] { recovery_.PutGameBack(); };
  // A close before the start-up has loaded the stored choices ends the program without the
  // clean-up, which would store the design defaults over the user's choices.
  form_.OnCloseQuery = [this](bool& canClose) {
    if (startedUp_)
      lifecycle_.FormCloseQuery(canClose);
  };
  form_.OnClose = [this] {
    if (startedUp_)
      lifecycle_.FormClose();
    else
      splash_.Cancel();
  };
  ConnectSettings();

  auto& benchmark = controls_.Get<ui::BarGroup>("RzGroup1");
  benchmark.ItemAt(0).OnClick = [this] { pages_.RzGroup1Items0Click(); };
  benchmark.ItemAt(1).OnClick = [this] { pages_.RzGroup1Items1Click(); };
  benchmark.ItemAt(2).OnClick = [this] { pages_.RzGroup1Items2Click(); };
  benchmark.ItemAt(3).OnClick = [this] { pages_.RzGroup1Items3Click(); };
  controls_.Get<ui::BarGroup>("RzGroup3").ItemAt(2).OnClick = [this] {
    pages_.RzGroup3Items4Click();
  };

  auto& demo = controls_.Get<ui::RadioGroup>("demo");
  demo.OnChanging = [this] { demos_.demoChanging(); };
  demo.OnMouseLeave = [this] { demos_.demoMouseLeave(); };
  controls_.Get<ui::PictureButton>("DemoEditButton").OnClick = [this] {
    demos_.DemoEditButtonClick();
  };
  cleanUp_.onExitButton.push_back([this] { recovery_.SpeedButton1Click(); });
  cleanUp_.onCloseQuery.push_back([this] { recovery_.FormCloseQuery(); });
  cleanUp_.onClose.push_back([this] { recovery_.FormClose(); });
}

void TForm1::ConnectSettings() {
  const auto& c = controls_;
  c.Get<ui::CheckGroup>("res").OnMouseLeave = [this] { writers_.resMouseLeave(); };
  c.Get<ui::CheckBox>("cusresbox").OnMouseLeave = [this] { writers_.cusresboxMouseLeave(); };
  c.Get<ui::ComboBox>("AFBox").OnChange = [this] { writers_.AFBoxChange(); };
  c.Get<ui::ComboBox>("AABox").OnChange = [this] { writers_.AABoxChange(); };
  c.Get<ui::Edit>("NoteEdit").OnChange = [this] { writers_.NoteEditChange(); };
  auto& heapsize = c.Get<ui::ComboBox>("HeapsizeBox");
  heapsize.OnChange = [this] { heapAdvice_.HeapsizeBoxChange(); };
  heapsize.OnMouseLeave = [this] { writers_.HeapsizeBoxMouseLeave(); };
  auto& refresh = c.Get<ui::ComboBox>("RefreshBox");
  refresh.OnChange = [this] { writers_.RefreshBoxChange(); };
  refresh.OnMouseLeave = [this] { writers_.RefreshBoxMouseLeave(); };
  auto& hdr = c.Get<ui::ComboBox>("HDRBox");
  hdr.OnChange = [this] { writers_.HDRBoxChange(); };
  hdr.OnMouseLeave = [this] { writers_.HDRBoxMouseLeave(); };
  auto& blur = c.Get<ui::ComboBox>("MBlurBox");
  blur.OnChange = [this] { writers_.MBlurBoxChange(); };
  blur.OnMouseLeave = [this] { writers_.MBlurBoxMouseLeave(); };
  auto& dxLevel = c.Get<ui::ComboBox>("DXLevelBox");
  dxLevel.OnChange = [this] { writers_.DXLevelBoxChange(); };
  dxLevel.OnMouseLeave = [this] { writers_.DXLevelBoxMouseLeave(); };
  c.Get<ui::CheckBox>("FastZBox").OnMouseLeave = [this] { writers_.FastZBoxMouseLeave(); };
  c.Get<ui::CheckBox>("ColorCorrBox").OnMouseLeave = [this] { writers_.ColorCorrBoxMouseLeave(); };

  c.Get<ui::PictureButton>("RzToolButton2").OnClick = [this] { games_.RzToolButton2Click(); };
  c.Get<ui::PictureButton>("RzToolButton5").OnClick = [this] { results_.RzToolButton5Click(); };
  c.Get<ui::Edit>("ResEdit").OnExit = [this] { results_.ResEditExit(); };
  c.Get<ui::PictureButton>("OpenResFolder").OnClick = [this] { results_.OpenResFolderClick(); };
}

}  // namespace tamsendor::app

#include "app/main_form.h"

#include "app/main_form_layout.h"
#include "app/start_up_colors.h"
#include "core/product_key.h"
#include "core/steam_key.h"
#include "gameconfig/user_sid.h"

namespace tamsendor::app {

TForm1::TForm1(ui::Application& application, const AppServices& services, std::uint32_t splashMs)
    : LaidOutForm("TForm1", MainFormLayout(), services.timers),
      services_(services),
      splashMs_(splashMs),
      c_(Form(), Controls()),
      lifecycle_(application, Form(), cleanUp_),
      pages_(c_.PageControl),
      runners_(services.launcher),
      directx_(
          {services.registry, services.files, services.folders, services.directx, services.timers},
          c_.AdvCircularProgress1, runners_.dxrun, [this] { start_.StartBenchmark(); }),
      gameSettings_(c_.ForGameSettings(), services.registry),
      autoexec_(c_.ForAutoexec(), services.files, services.dialogs, services.wait, folders_),
      demos_(c_.ForDemos(), services.files, services.registry, services.dialogs,
             services.fileDialogs, folders_),
      recovery_(c_.NoteEdit, services.files, services.registry, services.dialogs, folders_,
                autoexec_, demos_),
      preparation_(folders_, services.files, services.dialogs, autoexec_, demos_, gameSettings_),
      launcher_(c_.ForLaunch(), folders_, runners_.cp),
      collection_(
          c_.ForCollection(),
          {services.files, services.dialogs, services.fileDialogs, services.opener, services.clock,
           services.host, services.probes},
          folders_,
          {[this] { autoexec_.RestoreAutoexec(); }, [this] { recovery_.CleanUpAfterBenchmark(); }}),
      sequencer_(launcher_, c_.ForProgress(), services.processes, services.placement,
                 services.timers, services.taskbar,
                 [this](const core::RunState& progress) { collection_.CollectResults(progress); }),
      start_(
          c_.ForStart(),
          {services.files, services.processes, services.registry, services.dialogs, services.clock},
          folders_, runners_.cp2, launcher_, sequencer_,
          {[this] { return directx_.TakeCachedFacts(); }, [this] { directx_.RunDxDiag(); },
           [this]() -> std::optional<std::string> {
             if (!preparation_.PrepareGame())
               return std::nullopt;
             return demos_.DemoName();
           },
           [this] { WriteReportHeader(); }}),
      store_(services.registry, services.files, c_.ForSettings()),
      writers_(services.registry, c_.ForSettings()),
      heapAdvice_(services.registry, services.dialogs, services.host,
                  StoredLists(c_.ForSettings()).Heapsize),
      games_({services.registry, services.files, services.search, services.fileDialogs},
             c_.HL2PathEdit, folders_),
      results_({services.registry, services.files, services.fileDialogs, services.opener,
                services.dialogs},
               c_.ResEdit, folders_),
      links_(services.files, services.dialogs, services.opener, folders_),
      stop_({Form(), c_.BenchButton, c_.Panel2, c_.StatusInfo}, services.dialogs, sequencer_,
            recovery_),
      splash_(application, services.timers) {
  ApplyMainFormDesign(Form(), Controls());
  Connect();
  FormCreate();
}

void TForm1::WriteReportHeader() {
  const sysinfo::DirectXFacts& directX = directx_.Facts();
  collection_.WriteReportHeader({start_.FileStamp(), start_.DisplayStamp(), demos_.DemoCaption(),
                                 autoexec_.DetailLevelName(), directX.CardName,
                                 directX.DisplayMemory, directX.DriverVersion, directX.Sound,
                                 start_.IsoStamp(), services_.program.FileVersion()});
}

void TForm1::FormCreate() {
  // Nothing else of the start-up shows, or can be touched, while the splash shows.
  splash_.ShowSplash(splashMs_, [this] {
    RunStartUpSteps();
    startedUp_ = true;
    Form().Show();
  });
}

// A broken installation stops the steps early; the window still opens.
void TForm1::RunStartUpSteps() {
  ApplyStartUpColors(Controls());
  results_.SetUpProgramFolder(services_.program);
  pages_.RzGroup3Items4Click();  // the page area hidden
  heapAdvice_.ComputeMemoryClass();
  c_.Label17.SetCaption(services_.program.FileVersion());

  auto& benchButton = c_.BenchButton;
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
  c_.SpeedButton2.OnClick = [this] { lifecycle_.SpeedButton2Click(); };
  c_.SpeedButton1.OnClick = [this] { lifecycle_.SpeedButton1Click(); };
  c_.Image4.OnMouseDown = [this](ui::MouseButton button, int, int) {
    lifecycle_.Image4MouseDown(button);
  };
  c_.BenchButton.OnClick = [this] { start_.BenchButtonClick(); };
  c_.StopButton.OnClick = [this] { stop_.StopButtonClick(); };
  c_.WaitButton.OnClick = [this] { sequencer_.ProgressView().WaitButtonClick(); };
  c_.RunNumberBox.OnChange = [this] { start_.StoreRunCount(); };
  runners_.cp.OnTerminate = [this](core::TJvCreateProcess& sender, std::uint32_t exitCode) {
    sequencer_.cpTerminate(sender, exitCode);
  };
  runners_.dxrun.OnTerminate = [this](core::TJvCreateProcess&, std::uint32_t) {
    directx_.dxrunTerminate();
  };
  launcher_.OnLaunchFailed = [this](std::string_view tag) {
    sequencer_.LaunchFailed(tag);
    recovery_.PutGameBack();
    collection_.LaunchFailed(sequencer_.Progress());
  };
  // A close before the start-up has loaded the stored choices ends the program without the
  // clean-up, which would store the design defaults over the user's choices.
  Form().OnCloseQuery = [this](bool& canClose) {
    if (startedUp_)
      lifecycle_.FormCloseQuery(canClose);
  };
  Form().OnClose = [this] {
    if (startedUp_)
      lifecycle_.FormClose();
    else
      splash_.Cancel();
  };
  ConnectSettings();

  c_.RzGroup1.ItemAt(0).OnClick = [this] { pages_.RzGroup1Items0Click(); };
  c_.RzGroup1.ItemAt(1).OnClick = [this] { pages_.RzGroup1Items1Click(); };
  c_.RzGroup1.ItemAt(2).OnClick = [this] { pages_.RzGroup1Items2Click(); };
  c_.RzGroup1.ItemAt(3).OnClick = [this] { pages_.RzGroup1Items3Click(); };
  c_.RzGroup3.ItemAt(0).OnClick = [this] { links_.RzGroup3Items0Click(); };
  c_.RzGroup3.ItemAt(1).OnClick = [this] { links_.RzGroup3Items3Click(); };
  c_.RzGroup3.ItemAt(2).OnClick = [this] { pages_.RzGroup3Items4Click(); };
  c_.RzShapeButton3.OnClick = [this] { links_.RzShapeButton3Click(); };
  c_.RzShapeButton4.OnClick = [this] { links_.RzShapeButton4Click(); };

  c_.demo.OnChanging = [this] { demos_.demoChanging(); };
  c_.demo.OnMouseLeave = [this] { demos_.demoMouseLeave(); };
  c_.DemoEditButton.OnClick = [this] { demos_.DemoEditButtonClick(); };
  cleanUp_.askFirst.push_back([this] { return stop_.MayClose(); });
  cleanUp_.onExitButton.push_back([this] { recovery_.SpeedButton1Click(); });
  cleanUp_.onCloseQuery.push_back([this] { recovery_.FormCloseQuery(); });
  cleanUp_.onClose.push_back([this] { recovery_.FormClose(); });
}

void TForm1::ConnectSettings() {
  c_.res.OnMouseLeave = [this] { writers_.resMouseLeave(); };
  c_.cusresbox.OnMouseLeave = [this] { writers_.cusresboxMouseLeave(); };
  c_.AFBox.OnChange = [this] { writers_.AFBoxChange(); };
  c_.AABox.OnChange = [this] { writers_.AABoxChange(); };
  c_.NoteEdit.OnChange = [this] { writers_.NoteEditChange(); };
  c_.HeapsizeBox.OnChange = [this] { heapAdvice_.HeapsizeBoxChange(); };
  c_.HeapsizeBox.OnMouseLeave = [this] { writers_.HeapsizeBoxMouseLeave(); };
  c_.RefreshBox.OnChange = [this] { writers_.RefreshBoxChange(); };
  c_.RefreshBox.OnMouseLeave = [this] { writers_.RefreshBoxMouseLeave(); };
  c_.HDRBox.OnChange = [this] { writers_.HDRBoxChange(); };
  c_.HDRBox.OnMouseLeave = [this] { writers_.HDRBoxMouseLeave(); };
  c_.MBlurBox.OnChange = [this] { writers_.MBlurBoxChange(); };
  c_.MBlurBox.OnMouseLeave = [this] { writers_.MBlurBoxMouseLeave(); };
  c_.DXLevelBox.OnChange = [this] { writers_.DXLevelBoxChange(); };
  c_.DXLevelBox.OnMouseLeave = [this] { writers_.DXLevelBoxMouseLeave(); };
  c_.FastZBox.OnMouseLeave = [this] { writers_.FastZBoxMouseLeave(); };
  c_.ColorCorrBox.OnMouseLeave = [this] { writers_.ColorCorrBoxMouseLeave(); };

  c_.RzToolButton2.OnClick = [this] { games_.RzToolButton2Click(); };
  c_.RzToolButton5.OnClick = [this] { results_.RzToolButton5Click(); };
  c_.ResEdit.OnExit = [this] { results_.ResEditExit(); };
  c_.OpenResFolder.OnClick = [this] { results_.OpenResFolderClick(); };
}

}  // namespace tamsendor::app

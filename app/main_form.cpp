#include "app/main_form.h"

#include "app/main_form_layout.h"
#include "bench/product_key.h"
#include "sysinfo/directx_facts.h"
#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

namespace {
constexpr char kSteamKey[] = "\\Software\\Valve\\Steam";
}

TForm1::TForm1(ui::Application& application, const AppServices& services)
    : services_(services),
      form_("TForm1"),
      controls_(MainFormLayout(), services.timers),
      lifecycle_(application, form_, cleanUp_),
      runners_(services.launcher),
      launcher_(LaunchControls(), state_, folders_, runners_.cp),
      collection_(CollectionControls(),
                  {services.placement, services.files, services.dialogs, services.opener,
                   services.clock, services.host, services.probes},
                  state_, folders_,
                  {// The game's files are not changed yet, so there is nothing to put back.
                   [] {}, [] {}}),
      sequencer_(state_, launcher_, controls_.Get<ui::Label>("RunsLabel"), services.processes,
                 services.timers, [this] { collection_.CollectResults(); }),
      start_(StartControls(),
             {services.placement, services.files, services.processes, services.registry,
              services.dialogs, services.clock},
             state_, folders_, runners_.cp2, launcher_,
             {[this] {
                // No DirectX diagnostic yet: the report says "indeterminable".
                sysinfo::SetDirectXFactsIndeterminable(
                    state_, controls_.Get<ui::BusyIndicator>("AdvCircularProgress1"));
                start_.StartBenchmark();
              },
              [this] {
                // Until the demo choice and the game's files are handled here, the first
                // shipped demo is named, with the fixed detail level.
                state_.DemoName = "qordemo1";
                state_.DemoCaption = "Korvalin demo 1";
                state_.DetailLevelName = "Maximum";
                return true;
              },
              [this] { collection_.WriteReportHeader(); }}),
      store_(services.registry, StoredChoices()) {
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
          controls_.Get<ui::Control>("BenchButton")};
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

StoredChoiceControls TForm1::StoredChoices() {
  return {controls_.Get<ui::CheckGroup>("res"),       controls_.Get<ui::ComboBox>("RunNumberBox"),
          controls_.Get<ui::ComboBox>("HeapsizeBox"), controls_.Get<ui::ComboBox>("RefreshBox"),
          controls_.Get<ui::ComboBox>("DXLevelBox"),  controls_.Get<ui::CheckBox>("FastZBox")};
}

void TForm1::FormCreate() {
  auto& benchButton = controls_.Get<ui::Control>("BenchButton");
  auto refuse = [&](const char* message) {
    services_.dialogs.ShowMessage(message);
    benchButton.SetEnabled(false);
    benchButton.SetHint(message);
  };
  const auto& registry = services_.registry;
  if (!registry.KeyExists(bench::kProductRoot, std::string(bench::kProductKey))) {
    refuse("Please reinstall the Korvalin Tamsendor!");
    return;
  }
  if (!registry.KeyExists(platform::RegistryRoot::CurrentUser, kSteamKey)) {
    refuse("Please install the Half-Life 2 Episode Two!");
    return;
  }
  store_.ReadResolutions(BuildDisplayModeList(services_.display));
  store_.ReadRunNumber(state_);
  const auto steamPath =
      registry.ReadString(platform::RegistryRoot::CurrentUser, kSteamKey, "SteamPath");
  if (steamPath && !steamPath->empty())
    folders_.SteamFolder = *steamPath + "/";
  store_.ReadEngineOptions();
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
  form_.OnCloseQuery = [this](bool& canClose) { lifecycle_.FormCloseQuery(canClose); };
  form_.OnClose = [this] { lifecycle_.FormClose(); };
}

}  // namespace tamsendor::app

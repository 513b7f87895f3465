#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/folders.h"
#include "core/process_runner.h"
#include "bench/resolution_launcher.h"
#include "bench/run_sequencer.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/locale_clock.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "ui/busy_indicator.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace tamsendor::bench {

struct StartControls {
  ui::Form& MainWindow;
  ui::Label& StatusInfo;
  ui::Control& BenchButton;
  ui::Panel& Panel2;
  ui::Label& Label20;
  ui::Label& Label21;
  ui::Label& RunsLabel;
  ui::BusyIndicator& AdvCircularProgress1;
  ui::ComboBox& RunNumberBox;
  ui::CheckBox& FastZBox;
  ui::ComboBox& RefreshBox;
  ui::ComboBox& HeapsizeBox;
  ui::ComboBox& DXLevelBox;
};

struct StartServices {
  platform::FileSystem& files;
  const platform::ProcessTable& processes;
  platform::Registry& registry;
  platform::Dialogs& dialogs;
  const platform::LocaleClock& clock;
};

// What the other subsystems do at their places in a start.
struct BenchmarkSteps {
  // Takes the DirectX texts that an earlier diagnosis left in the product key; false when there
  // are none.
  std::function<bool()> TakeCachedDirectXFacts;
  // Starts the DirectX diagnostic without waiting; when it has ended or cannot run, it sets the
  // three DirectX texts, hides the busy indicator and calls StartBenchmark exactly once.
  std::function<void()> StartDirectXDiagnostic;
  // Sets the user's autoexec.cfg aside, places the demo, writes the game's settings and the
  // generated autoexec.cfg; gives the name of the demo the game is to play. nullopt: the game
  // could not be prepared (the user has been told and everything of the user's is back in
  // place); no benchmark starts.
  std::function<std::optional<std::string>()> PrepareGame;
  // Starts the report with the machine's description.
  std::function<void()> WriteReportHeader;
};

// From a press of Run to the first game launch.
class BenchmarkStart {
 public:
  BenchmarkStart(const StartControls& controls, const StartServices& services,
                 const core::Folders& folders, core::TJvCreateProcess& cp2,
                 ResolutionLauncher& launcher, RunSequencer& sequencer, BenchmarkSteps steps)
      : c_(controls),
        s_(services),
        folders_(folders),
        cp2_(cp2),
        launcher_(launcher),
        sequencer_(sequencer),
        steps_(std::move(steps)) {}

  void BenchButtonClick();
  // Takes the run count from `RunNumberBox` and stores it (when the product key exists).
  void StoreRunCount();
  // Called once the DirectX texts are known.
  void StartBenchmark();

  // The benchmark's start time, made safe for a file name and as the report shows it.
  const std::string& FileStamp() const { return FileStamp_; }
  const std::string& DisplayStamp() const { return DisplayStamp_; }
  const std::string& IsoStamp() const { return IsoStamp_; }

 private:
  void OfferToStartSteam();

  StartControls c_;
  StartServices s_;
  const core::Folders& folders_;
  core::TJvCreateProcess& cp2_;
  ResolutionLauncher& launcher_;
  RunSequencer& sequencer_;
  BenchmarkSteps steps_;
  bool SteamRunning_ = false;  // last answer of IsSteamRunning
  std::string FileStamp_;
  std::string DisplayStamp_;
  std::string IsoStamp_;
};

}  // namespace tamsendor::bench

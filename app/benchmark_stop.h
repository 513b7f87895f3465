#pragma once

#include "bench/run_sequencer.h"
#include "gameconfig/game_recovery.h"
#include "platform/dialogs.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

// The user's way to end a benchmark before its end: the game ends, the game's files go back as
// at the end of a benchmark, and nothing is saved.
class BenchmarkStop {
 public:
  struct Controls {
    ui::Form& MainWindow;
    ui::PictureButton& BenchButton;
    ui::Panel& Panel2;
    ui::Label& StatusInfo;
  };
  BenchmarkStop(const Controls& controls, platform::Dialogs& dialogs,
                bench::RunSequencer& sequencer, gameconfig::GameRecovery& recovery)
      : c_(controls), dialogs_(dialogs), sequencer_(sequencer), recovery_(recovery) {}

  // Asks first; No leaves the benchmark running.
  void StopButtonClick();
  // A close of the program: with a benchmark running, the same question; Yes stops it as Stop
  // does and lets the close go on, No keeps both the program and the benchmark running. At the
  // end of the session nobody is asked: the benchmark stops.
  bool MayClose();

 private:
  // Asks, and stops on Yes; false on No.
  bool AskAndStop();
  void StopNow();

  Controls c_;
  platform::Dialogs& dialogs_;
  bench::RunSequencer& sequencer_;
  gameconfig::GameRecovery& recovery_;
};

}  // namespace tamsendor::app

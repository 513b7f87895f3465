#pragma once

#include <functional>
#include <string>

#include "core/folders.h"
#include "bench/run_state.h"
#include "platform/dialogs.h"
#include "platform/document_opener.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/host_facts.h"
#include "platform/locale_clock.h"
#include "platform/window_placement.h"
#include "report/report_lines.h"
#include "report/score_state.h"
#include "sysinfo/adapter_facts.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace tamsendor::report {

struct CollectionControls {
  ui::Panel& Panel2;
  ui::Control& BenchButton;
  ui::Label& StatusInfo;
  ui::Edit& NoteEdit;
  ui::Edit& CusWidth;
  ui::Edit& CusHeight;
  ui::ComboBox& HDRBox;
  ui::ComboBox& HeapsizeBox;
  ui::ComboBox& MBlurBox;
  ui::ComboBox& DXLevelBox;
  ui::ComboBox& AABox;
  ui::ComboBox& AFBox;
  ui::CheckBox& FastZBox;
  ui::CheckBox& ColorCorrBox;
};

struct CollectionServices {
  platform::WindowPlacement& placement;
  platform::FileSystem& files;
  platform::Dialogs& dialogs;
  platform::FileDialogs& fileDialogs;
  platform::DocumentOpener& opener;
  const platform::LocaleClock& locale;
  const platform::HostFacts& host;
  sysinfo::AdapterProbes& probes;
};

// What the game configuration does when a benchmark ends.
struct FinishingSteps {
  // Puts the user's autoexec.cfg back; false when that failed and is still to be done.
  std::function<bool()> RestoreAutoexec;
  // Records that the benchmark completed and removes the shipped demos from the game.
  std::function<void()> CleanUpAfterBenchmark;
};

// The report of one benchmark: its header when the benchmark starts, each run's score as the run
// ends, and at the end the saved page, opened in the user's browser. The page is kept in memory
// until then; nothing is written to disk before the end.
class ResultCollection {
 public:
  ResultCollection(const CollectionControls& controls, const CollectionServices& services,
                   bench::RunState& state, const core::Folders& folders, FinishingSteps steps)
      : c_(controls), s_(services), state_(state), folders_(folders), steps_(std::move(steps)) {}

  // Starts a new report with the machine's description and the note.
  void WriteReportHeader();
  // Called after every game exit, once the run counters are up to date.
  void CollectResults();

  const ReportLines& Lines() const { return lines_; }
  const ScoreState& Scores() const { return scores_; }

 private:
  // Reads the result the run left and appends its lines; false when it left none that can be
  // read.
  bool TakeRunResult(const std::string& resultFile, const std::string& workingCopy);
  BlockSettings CurrentSettings() const;
  void FinishBenchmark();
  // Offers the user a place of their choice for a report its folder would not take.
  void SaveReportElsewhere(const std::string& fileName);
  // Shows the saved report in the user's browser; the message for the user when it cannot.
  std::string OpenReport(const std::string& path);

  CollectionControls c_;
  CollectionServices s_;
  bench::RunState& state_;
  const core::Folders& folders_;
  FinishingSteps steps_;
  ReportLines lines_;
  ScoreState scores_;
};

}  // namespace tamsendor::report

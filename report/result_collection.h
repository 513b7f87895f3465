#pragma once

#include <functional>
#include <string>

#include "core/folders.h"
#include "core/run_state.h"
#include "platform/dialogs.h"
#include "platform/document_opener.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/host_facts.h"
#include "platform/locale_clock.h"
#include "report/report_lines.h"
#include "report/results_twin.h"
#include "report/run_outcomes.h"
#include "report/score_state.h"
#include "platform/adapter_probes.h"
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
  platform::FileSystem& files;
  platform::Dialogs& dialogs;
  platform::FileDialogs& fileDialogs;
  platform::DocumentOpener& opener;
  const platform::LocaleClock& locale;
  const platform::HostFacts& host;
  platform::AdapterProbes& probes;
};

// What the rest of the program knows of a benchmark when its report starts; it holds to the end.
// Texts are UTF-8.
struct BenchmarkFacts {
  std::string FileStamp;     // start time made safe for a file name
  std::string DisplayStamp;  // start time as the report shows it
  std::string DemoCaption;   // the demo as the report names it
  std::string DetailLevelName;
  std::string DxCardName;
  std::string DxDisplayMemory;
  std::string DxDriverVersion;
  std::string DxSound;
  std::string IsoStamp;        // start time for programs: ISO 8601 with the offset from UTC
  std::string ProgramVersion;  // "1.2.0.0"
};

// What the game configuration does when a benchmark ends.
struct FinishingSteps {
  // Puts the user's autoexec.cfg back; one that fails stays to be done at the next close or
  // benchmark.
  std::function<void()> RestoreAutoexec;
  // Records that the benchmark completed and removes the shipped demos from the game.
  std::function<void()> CleanUpAfterBenchmark;
};

// The report of one benchmark: its header when the benchmark starts, each run's score as the run
// ends, and at the end the saved page, opened in the user's browser. The page is kept in memory
// until then; nothing is written to disk before the end.
class ResultCollection {
 public:
  ResultCollection(const CollectionControls& controls, const CollectionServices& services,
                   const core::Folders& folders, FinishingSteps steps)
      : c_(controls), s_(services), folders_(folders), steps_(std::move(steps)) {}

  // Starts a new report with the machine's description and the note.
  void WriteReportHeader(const BenchmarkFacts& facts);
  // Called after every game exit, once the run counters are up to date.
  void CollectResults(const core::RunState& progress);
  // The launch of the run after those `progress` counts could not start, and the benchmark ended
  // there: the user is told which runs gave no result, with the scores of those that did.
  void LaunchFailed(const core::RunState& progress);

  const ReportLines& Lines() const { return lines_; }
  const ScoreState& Scores() const { return scores_; }
  const RunOutcomes& Outcomes() const { return outcomes_; }
  // The benchmark as its machine-readable twin will hold it.
  const ResultsTwin& Twin() const { return twin_; }
  // The saved report's path; empty until a benchmark's report is saved.
  const std::string& ReportPath() const { return ReportPath_; }

 private:
  // Reads the result the run left and appends its lines; false when it left none that can be
  // read.
  bool TakeRunResult(const core::RunState& progress, const std::string& resultFile,
                     const std::string& workingCopy);
  BlockSettings CurrentSettings() const;
  // The run `run` of the resolution now running, with its score or the reason it has none.
  RunOutcome Outcome(const core::RunState& progress, int run,
                     std::optional<NoResult> failure) const;
  void FinishBenchmark();
  // Offers the user a place of their choice for a report its folder would not take.
  void SaveReportElsewhere(const std::string& fileName);
  // Writes the twin of the report saved at `reportPath` beside it; the message for the user when
  // it cannot.
  std::string SaveTwin(const std::string& reportPath);
  // Shows the saved report in the user's browser; the message for the user when it cannot.
  std::string OpenReport(const std::string& path);

  CollectionControls c_;
  CollectionServices s_;
  const core::Folders& folders_;
  FinishingSteps steps_;
  BenchmarkFacts facts_;
  ReportLines lines_;
  ScoreState scores_;
  RunOutcomes outcomes_;
  ResultsTwin twin_;
  // The run just read: its figure as the engine wrote it, without blanks, and its value.
  std::string RunFigure_;
  double RunFps_ = 0;
  bool HeadingWritten_ = false;  // the current resolution's heading is in the report
  std::string ReportPath_;
};

}  // namespace tamsendor::report

#include "report/result_collection.h"

#include "report/result_file.h"
#include "report/score_number.h"

namespace tamsendor::report {

namespace {
constexpr char kResultFile[] = "sourcebench.csv";
constexpr char kWorkingCopy[] = "sourcebench.txt";
constexpr char kSucceeded[] = "The benchmarking is successful.";
constexpr char kAborted[] = "Benchmark aborted!";
constexpr char kNotSaved[] = "Report not saved.";
constexpr char kChooseElsewhere[] =
    "\n\nPlease choose another place for the report; Cancel discards it.";
constexpr char kSaveAsTitle[] = "Save the report as";
constexpr char kHtmlFiles[] = "HTML files (*.htm)|*.htm";

std::string NotSavedMessage(const std::string& path, const std::string& reason) {
  return "The report could not be saved as " + path + "\n\n" + reason + kChooseElsewhere;
}
}  // namespace

void ResultCollection::WriteReportHeader() {
  lines_.clear();
  scores_.BenchmarkScoredRuns = 0;
  HeaderFacts facts;
  facts.DisplayStamp = state_.DisplayStamp;
  facts.OsProductName = s_.host.OsProductName();
  facts.TotalPhysicalMemory = s_.host.TotalPhysicalMemory();
  facts.CpuName = s_.host.CpuName();
  facts.CpuSpeedMhz = s_.host.CpuSpeedMhz();
  facts.DxSound = state_.DxSound;
  facts.Ati = s_.probes.ProbeAtiAdapter();
  facts.DisplayClass = s_.probes.ProbeDisplayClassKey();
  facts.DxCardName = state_.DxCardName;
  facts.DxDisplayMemory = state_.DxDisplayMemory;
  facts.DxDriverVersion = state_.DxDriverVersion;
  facts.Note = c_.NoteEdit.Text();
  AppendHeader(lines_, facts, s_.locale.DecimalSeparator());
}

void ResultCollection::CollectResults() {
  // The game may have moved or resized the window while it held the screen.
  s_.placement.SetBounds(
      {state_.SavedLeft, state_.SavedTop, state_.SavedWidth, state_.SavedHeight});

  // Each resolution's total starts afresh, also after a resolution whose last run left nothing.
  if (state_.RunsDone <= 1) {
    state_.ScoreTotal = 0;
    scores_.ScoredRuns = 0;
  }

  // Without a game folder the names alone would point into whatever folder is current.
  const std::string& gameMod = folders_.GameModFolder;
  if (!gameMod.empty()) {
    const std::string resultFile = gameMod + kResultFile;
    const std::string workingCopy = gameMod + kWorkingCopy;
    if (s_.files.FileExists(resultFile) && TakeRunResult(resultFile, workingCopy)) {
      ++scores_.ScoredRuns;
      ++scores_.BenchmarkScoredRuns;
    }
    // The next run must not find this run's result.
    if (s_.files.FileExists(resultFile))
      s_.files.RemoveFile(resultFile);
    if (s_.files.FileExists(workingCopy))
      s_.files.RemoveFile(workingCopy);
  }

  // The resolution's last run, whether or not it left a result: the average of the runs that
  // did.
  if (state_.RunCount > 1 && state_.RunsDone >= state_.RunCount) {
    if (scores_.ScoredRuns > 0)
      AppendAverage(lines_, static_cast<int>(state_.ScoreTotal / scores_.ScoredRuns));
    state_.ScoreTotal = 0;
    scores_.ScoredRuns = 0;
  }

  if (state_.FinishedCount == state_.ChosenCount)
    FinishBenchmark();
}

bool ResultCollection::TakeRunResult(const std::string& resultFile,
                                     const std::string& workingCopy) {
  // Read from a copy: the engine may still be letting go of its file.
  s_.files.CopyReplacing(resultFile, workingCopy);
  const auto text = s_.files.ReadBytes(workingCopy);
  if (!text)
    return false;
  const auto figure = ReadScoreField(*text);
  if (!figure)
    return false;
  // A figure that is no number is no score, with one run per resolution too, where the engine's
  // own text is shown.
  const auto score = ConvertScore(*figure, s_.locale.DecimalSeparator());
  if (!score)
    return false;

  if (!state_.HeadingWritten) {
    state_.HeadingWritten = true;
    AppendResolutionBlock(lines_, state_.CurrentTag, c_.CusWidth.Text(), c_.CusHeight.Text(),
                          CurrentSettings());
  }
  scores_.ScoreValue = 0;
  if (state_.RunCount == 1) {
    scores_.ScoreText = *figure;
    AppendSingleRunScore(lines_, scores_.ScoreText);
  } else {
    scores_.ScoreValue = *score;
    scores_.ScoreText = std::to_string(*score);
    AppendRunScore(lines_, scores_.ScoreText);
    state_.ScoreTotal += *score;
  }
  return true;
}

BlockSettings ResultCollection::CurrentSettings() const {
  return {state_.DemoCaption,    state_.DetailLevelName,   c_.HDRBox.Text(), c_.HeapsizeBox.Text(),
          c_.MBlurBox.Text(),    c_.DXLevelBox.Text(),     c_.AABox.Text(),  c_.AFBox.Text(),
          c_.FastZBox.Checked(), c_.ColorCorrBox.Checked()};
}

void ResultCollection::FinishBenchmark() {
  AppendFooter(lines_);

  // Only this benchmark's own runs count: a score left from an earlier benchmark must not make
  // an empty report pass for a result.
  const bool scored = scores_.BenchmarkScoredRuns > 0;
  const std::string fileName = "result_" + state_.FileStamp + ".htm";
  std::string reportPath;
  std::string failure;
  if (scored) {
    const std::string path = folders_.ResultsFolder + fileName;
    if (const platform::FileResult saved = s_.files.WriteBytes(path, ReportBytes(lines_))) {
      reportPath = path;
    } else {
      failure = NotSavedMessage(path, saved.reason);
    }
  }
  state_.ReportPath = reportPath;
  // Every run completed when the save failed: the benchmark was not aborted.
  c_.StatusInfo.SetCaption(!scored ? kAborted : reportPath.empty() ? kNotSaved : kSucceeded);

  // A restore that failed stays pending: the next close or benchmark tries again.
  state_.AutoexecRestored = steps_.RestoreAutoexec();
  if (!reportPath.empty())
    failure = OpenReport(reportPath);
  c_.BenchButton.SetEnabled(true);
  c_.Panel2.SetVisible(false);
  steps_.CleanUpAfterBenchmark();

  // Told last, once the game's folder is as the user left it.
  if (!failure.empty())
    s_.dialogs.ShowMessage(failure);
  if (scored && reportPath.empty())
    SaveReportElsewhere(fileName);
}

void ResultCollection::SaveReportElsewhere(const std::string& fileName) {
  // The scores exist nowhere else: ask again until the report is saved or the user gives it up.
  const std::string bytes = ReportBytes(lines_);
  while (const std::optional<std::string> path =
             s_.fileDialogs.SaveFile(kSaveAsTitle, kHtmlFiles, fileName)) {
    if (const platform::FileResult saved = s_.files.WriteBytes(*path, bytes); !saved) {
      s_.dialogs.ShowMessage(NotSavedMessage(*path, saved.reason));
      continue;
    }
    state_.ReportPath = *path;
    c_.StatusInfo.SetCaption(kSucceeded);
    if (const std::string failure = OpenReport(*path); !failure.empty())
      s_.dialogs.ShowMessage(failure);
    return;
  }
}

std::string ResultCollection::OpenReport(const std::string& path) {
  if (const platform::FileResult opened = s_.opener.Open(path); !opened)
    return "The report is saved as " + path + ", but it could not be opened.\n\n" + opened.reason;
  return "";
}

}  // namespace tamsendor::report

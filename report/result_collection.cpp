#include "report/result_collection.h"

#include <algorithm>

#include "json/json_writer.h"
#include "report/result_file.h"
#include "report/score_number.h"
#include "text/blanks.h"

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

void ResultCollection::WriteReportHeader(const BenchmarkFacts& benchmark) {
  facts_ = benchmark;
  lines_.clear();
  outcomes_.Clear();
  ReportPath_.clear();
  scores_.ScoreTotal = 0;
  scores_.BenchmarkScoredRuns = 0;
  HeaderFacts facts;
  facts.DisplayStamp = benchmark.DisplayStamp;
  facts.OsProductName = s_.host.OsProductName();
  facts.TotalPhysicalMemory = s_.host.TotalPhysicalMemory();
  facts.CpuName = s_.host.CpuName();
  facts.CpuSpeedMhz = s_.host.CpuSpeedMhz();
  facts.DxSound = benchmark.DxSound;
  facts.Ati = s_.probes.ProbeAtiAdapter();
  facts.DisplayClass = s_.probes.ProbeDisplayClassKey();
  facts.DxCardName = benchmark.DxCardName;
  facts.DxDisplayMemory = benchmark.DxDisplayMemory;
  facts.DxDriverVersion = benchmark.DxDriverVersion;
  facts.Note = c_.NoteEdit.Text();
  AppendHeader(lines_, facts, s_.locale.DecimalSeparator());
  twin_ = {benchmark.ProgramVersion, benchmark.IsoStamp, "", facts, CurrentSettings(), {}};
}

void ResultCollection::CollectResults(const core::RunState& progress) {
  // Each resolution's total starts afresh, also after a resolution whose last run left nothing,
  // and its first scored run writes its heading.
  if (progress.RunsDone <= 1) {
    scores_.ScoreTotal = 0;
    scores_.ScoredRuns = 0;
    HeadingWritten_ = false;
    TwinResolution resolution =
        ResolutionOfTag(progress.CurrentTag, c_.CusWidth.Text(), c_.CusHeight.Text());
    resolution.Demo = facts_.DemoCaption;
    twin_.Resolutions.push_back(std::move(resolution));
  }
  TwinResolution& twinResolution = twin_.Resolutions.back();

  // Without a game folder the names alone would point into whatever folder is current.
  const std::string& gameMod = folders_.GameModFolder;
  // A game that never showed was not started; one that did and left nothing ended without
  // writing its result.
  std::optional<NoResult> failure =
      progress.GameSeen ? NoResult::NoResultFile : NoResult::SteamDidNotStart;
  if (!gameMod.empty()) {
    const std::string resultFile = gameMod + kResultFile;
    const std::string workingCopy = gameMod + kWorkingCopy;
    if (s_.files.FileExists(resultFile)) {
      failure = NoResult::NoScore;
      if (TakeRunResult(progress, resultFile, workingCopy)) {
        failure.reset();
        ++scores_.ScoredRuns;
        ++scores_.BenchmarkScoredRuns;
      }
    }
    // The next run must not find this run's result.
    if (s_.files.FileExists(resultFile))
      s_.files.RemoveFile(resultFile);
    if (s_.files.FileExists(workingCopy))
      s_.files.RemoveFile(workingCopy);
  }

  outcomes_.Add(Outcome(progress, progress.RunsDone, failure));
  const RunOutcome& outcome = outcomes_.Runs().back();
  if (failure)
    twinResolution.Runs.emplace_back();
  else
    twinResolution.Runs.push_back(TwinRun{RunFigure_, RunFps_});

  // The resolution's last run, whether or not it left a result: the average of the runs that
  // did, and their spread inside the block, before its closing rule.
  if (progress.RunCount > 1 && progress.RunsDone >= progress.RunCount) {
    if (scores_.ScoredRuns > 0) {
      const int average = static_cast<int>(scores_.ScoreTotal / scores_.ScoredRuns);
      AppendAverage(lines_, average);
      if (scores_.ScoredRuns > 1)
        lines_.insert(lines_.end() - 1, RangeLine(scores_.ScoreMin, scores_.ScoreMax));
      twinResolution.ResultText = std::to_string(average);
      twinResolution.Result = average;
    }
    scores_.ScoreTotal = 0;
    scores_.ScoredRuns = 0;
  } else if (progress.RunCount == 1 && !failure) {
    twinResolution.ResultText = outcome.Score;
    twinResolution.Result = RunFps_;
  }

  if (progress.FinishedCount == progress.ChosenCount)
    FinishBenchmark();
}

bool ResultCollection::TakeRunResult(const core::RunState& progress, const std::string& resultFile,
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
  const auto fps = FigureValue(*figure, s_.locale.DecimalSeparator());
  const auto score = fps ? RoundHalfEven(*fps) : std::nullopt;
  if (!score)
    return false;
  RunFps_ = *fps;
  RunFigure_ = text::TrimBlanks(*figure);

  if (scores_.ScoredRuns == 0) {
    scores_.ScoreMin = *score;
    scores_.ScoreMax = *score;
  } else {
    scores_.ScoreMin = std::min(scores_.ScoreMin, *score);
    scores_.ScoreMax = std::max(scores_.ScoreMax, *score);
  }
  if (!HeadingWritten_) {
    HeadingWritten_ = true;
    AppendResolutionBlock(lines_, progress.CurrentTag, c_.CusWidth.Text(), c_.CusHeight.Text(),
                          CurrentSettings());
  }
  scores_.ScoreValue = 0;
  if (progress.RunCount == 1) {
    scores_.ScoreText = *figure;
    AppendSingleRunScore(lines_, scores_.ScoreText);
  } else {
    scores_.ScoreValue = *score;
    scores_.ScoreText = std::to_string(*score);
    AppendRunScore(lines_, scores_.ScoreText);
    scores_.ScoreTotal += *score;
  }
  return true;
}

void ResultCollection::LaunchFailed(const core::RunState& progress) {
  outcomes_.Add(Outcome(progress, progress.RunsDone + 1, NoResult::NotStarted));
  s_.dialogs.ShowMessage(outcomes_.Message("the benchmark could not run to its end"));
}

RunOutcome ResultCollection::Outcome(const core::RunState& progress, int run,
                                     std::optional<NoResult> failure) const {
  // The engine's own figure comes with its blanks.
  const std::string_view score = failure ? std::string_view() : text::TrimBlanks(scores_.ScoreText);
  return {ResolutionName(progress.CurrentTag, c_.CusWidth.Text(), c_.CusHeight.Text()), run,
          progress.RunCount, std::string(score), failure};
}

BlockSettings ResultCollection::CurrentSettings() const {
  return {facts_.DemoCaption,    facts_.DetailLevelName,   c_.HDRBox.Text(), c_.HeapsizeBox.Text(),
          c_.MBlurBox.Text(),    c_.DXLevelBox.Text(),     c_.AABox.Text(),  c_.AFBox.Text(),
          c_.FastZBox.Checked(), c_.ColorCorrBox.Checked()};
}

void ResultCollection::FinishBenchmark() {
  if (const std::vector<SummaryRow> summary = SummaryRows(twin_); summary.size() > 1)
    AppendSummary(lines_, summary);
  AppendFooter(lines_);

  // Only this benchmark's own runs count: a score left from an earlier benchmark must not make
  // an empty report pass for a result. A report missing a resolution would read as complete.
  const bool scored = scores_.BenchmarkScoredRuns > 0 && outcomes_.EveryResolutionScored();
  const std::string fileName = "result_" + facts_.FileStamp + ".htm";
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
  ReportPath_ = reportPath;
  // Every run completed when the save failed: the benchmark was not aborted.
  c_.StatusInfo.SetCaption(!scored ? kAborted : reportPath.empty() ? kNotSaved : kSucceeded);

  // The twin only beside a saved report, and after it: the page is what the user must not lose.
  std::string twinFailure;
  if (!reportPath.empty())
    twinFailure = SaveTwin(reportPath);

  steps_.RestoreAutoexec();
  if (!reportPath.empty())
    failure = OpenReport(reportPath);
  c_.BenchButton.SetEnabled(true);
  c_.Panel2.SetVisible(false);
  steps_.CleanUpAfterBenchmark();

  // Told last, once the game's folder is as the user left it.
  if (outcomes_.AnyFailed())
    s_.dialogs.ShowMessage(
        outcomes_.Message(scored ? "" : "not every resolution has a run with a result"));
  if (!failure.empty())
    s_.dialogs.ShowMessage(failure);
  if (!twinFailure.empty())
    s_.dialogs.ShowMessage(twinFailure);
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
    ReportPath_ = *path;
    c_.StatusInfo.SetCaption(kSucceeded);
    const std::string twinFailure = SaveTwin(*path);
    if (const std::string failure = OpenReport(*path); !failure.empty())
      s_.dialogs.ShowMessage(failure);
    if (!twinFailure.empty())
      s_.dialogs.ShowMessage(twinFailure);
    return;
  }
}

std::string ResultCollection::SaveTwin(const std::string& reportPath) {
  const std::size_t name = reportPath.find_last_of("\\/");
  twin_.ReportFile = name == std::string::npos ? reportPath : reportPath.substr(name + 1);
  const std::string path = TwinPathOf(reportPath);
  if (const platform::FileResult saved =
          s_.files.WriteBytes(path, json::Write(TwinDocument(twin_)));
      !saved)
    return "The results file for other programs could not be saved as " + path + "\n\n" +
           saved.reason + "\n\nThe report itself is saved as " + reportPath + ".";
  return "";
}

std::string ResultCollection::OpenReport(const std::string& path) {
  if (const platform::FileResult opened = s_.opener.Open(path); !opened)
    return "The report is saved as " + path + ", but it could not be opened.\n\n" + opened.reason;
  return "";
}

}  // namespace tamsendor::report

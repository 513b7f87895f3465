#include "report/run_outcomes.h"

#include <algorithm>

#include "core/resolution_table.h"

namespace tamsendor::report {

std::string_view ReasonText(NoResult reason) {
  switch (reason) {
    case NoResult::NoResultFile:
      return "the game ended without writing its result file";
    case NoResult::NoScore:
      return "the result file had no score";
    case NoResult::NotStarted:
      return "the game could not be started";
    case NoResult::SteamDidNotStart:
      return "Steam did not start the game within the time limit";
  }
  return "";
}

std::string ResolutionName(std::string_view tag, std::string_view customWidth,
                           std::string_view customHeight) {
  for (const core::ResolutionEntry& row : core::kResolutionTable)
    if (row.Tag == tag)
      return std::string(row.Caption) + std::string(row.ReportRemark);
  return std::string(customWidth) + " \xC3\x97 " + std::string(customHeight) + " (Custom)";
}

bool RunOutcomes::AnyFailed() const {
  return std::any_of(runs_.begin(), runs_.end(),
                     [](const RunOutcome& run) { return run.Failure.has_value(); });
}

bool RunOutcomes::EveryResolutionScored() const {
  return std::all_of(runs_.begin(), runs_.end(), [this](const RunOutcome& run) {
    return std::any_of(runs_.begin(), runs_.end(), [&run](const RunOutcome& other) {
      return other.Resolution == run.Resolution && !other.Failure;
    });
  });
}

namespace {
std::string RunName(const RunOutcome& run) {
  std::string name = run.Resolution;
  return name.append(", run ")
      .append(std::to_string(run.Run))
      .append(" of ")
      .append(std::to_string(run.RunCount));
}
}  // namespace

std::string RunOutcomes::Message(std::string_view whyNotSaved) const {
  std::string message = "These runs gave no result:\n";
  for (const RunOutcome& run : runs_)
    if (run.Failure)
      message.append("\n")
          .append(RunName(run))
          .append(": ")
          .append(ReasonText(*run.Failure))
          .append(".");
  if (whyNotSaved.empty() ||
      !std::any_of(runs_.begin(), runs_.end(), [](const RunOutcome& run) { return !run.Failure; }))
    return message;
  message.append("\n\nThe report was not saved, because ")
      .append(whyNotSaved)
      .append(". The runs that scored:\n");
  for (const RunOutcome& run : runs_)
    if (!run.Failure)
      message.append("\n").append(RunName(run)).append(": ").append(run.Score).append(" FPS");
  return message;
}

}  // namespace tamsendor::report

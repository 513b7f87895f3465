#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::report {

// Why a run gave no result, as far as the program can tell.
enum class NoResult {
  NoResultFile,      // the game ran and ended without writing its result file
  NoScore,           // the result file holds no score that can be read
  NotStarted,        // the launch itself failed
  SteamDidNotStart,  // no game showed up while the program waited for it
};

// The reason in the words the user is shown.
std::string_view ReasonText(NoResult reason);

// The resolution as the user chose it: "1280 × 1024", "1440 × 900 (Custom)".
std::string ResolutionName(std::string_view tag, std::string_view customWidth,
                           std::string_view customHeight);

struct RunOutcome {
  std::string Resolution;  // ResolutionName
  int Run = 0;             // 1-based, at its resolution
  int RunCount = 0;
  std::string Score;  // as the report shows it; empty for a run without a result
  std::optional<NoResult> Failure;
};

// Each run of a benchmark, scored or not, so that the end can say which runs failed and why, and
// whether every resolution has a score to report.
class RunOutcomes {
 public:
  void Clear() { runs_.clear(); }
  void Add(RunOutcome outcome) { runs_.push_back(std::move(outcome)); }
  const std::vector<RunOutcome>& Runs() const { return runs_; }

  bool AnyFailed() const;
  // Every resolution that ran has at least one scored run.
  bool EveryResolutionScored() const;
  // The message for the end of a benchmark with failed runs: each of them with its reason, and,
  // when the report was not saved (`whyNotSaved` is not empty), the scores that exist, which are
  // nowhere else.
  std::string Message(std::string_view whyNotSaved) const;

 private:
  std::vector<RunOutcome> runs_;
};

}  // namespace tamsendor::report

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tamsendor::crash {

// How the steps after a crash went.
struct CrashOutcome {
  // The game's files are as before the benchmark (or nothing of ours was in them).
  bool gamePutBack = false;
  // The report's folder, when it was written.
  std::optional<std::string> reportFolder;
};

// The three steps after a crash, in this order: the game put back (true when all of it), the
// report written (its folder), the user told. A step that fails or throws never stops the next.
struct CrashSteps {
  std::function<bool()> putGameBack;
  std::function<std::optional<std::string>()> writeReport;
  std::function<void(const CrashOutcome&)> tellUser;
};
CrashOutcome RunCrashSteps(const CrashSteps& steps) noexcept;

// What the crash dialog says.
std::string CrashMessage(const CrashOutcome& outcome);

// A mailto: link with the subject and body escaped; a body longer than mail programs take from a
// link is cut, with a note that the whole report is in the folder.
std::string MailtoLink(const std::string& address, const std::string& subject,
                       const std::string& body);

}  // namespace tamsendor::crash

#include "crash/crash_steps.h"

#include <cstdio>

namespace tamsendor::crash {

namespace {

// Mail programs take a few thousand characters from a link; ShellExecute itself stops at 2048.
constexpr std::size_t kLinkLimit = 2000;

std::string Escaped(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string escaped;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.' || byte == '~') {
      escaped += c;
    } else {
      escaped += '%';
      escaped += hex[byte >> 4];
      escaped += hex[byte & 0x0F];
    }
  }
  return escaped;
}

}  // namespace

CrashOutcome RunCrashSteps(const CrashSteps& steps) noexcept {
  CrashOutcome outcome;
  try {
    if (steps.putGameBack)
      outcome.gamePutBack = steps.putGameBack();
  } catch (...) {
    outcome.gamePutBack = false;
  }
  try {
    if (steps.writeReport)
      outcome.reportFolder = steps.writeReport();
  } catch (...) {
    outcome.reportFolder.reset();
  }
  try {
    if (steps.tellUser)
      steps.tellUser(outcome);
  } catch (...) {
  }
  return outcome;
}

std::string CrashMessage(const CrashOutcome& outcome) {
  std::string text = "Korvalin Tamsendor ran into an error of its own.\n\n";
  text += outcome.gamePutBack
              ? "The game's files are as they were before the benchmark.\n\n"
              : "The game's files could not all be put back now; the next start of the program "
                "finishes it.\n\n";
  if (outcome.reportFolder)
    text += "A report of the error is in " + *outcome.reportFolder +
            ". Sending it to us helps us mend the error: nothing is sent without you.";
  else
    text += "No report of the error could be written.";
  return text;
}

std::string MailtoLink(const std::string& address, const std::string& subject,
                       const std::string& body) {
  const std::string head = "mailto:" + address + "?subject=" + Escaped(subject) + "&body=";
  std::string link = head + Escaped(body);
  if (link.size() <= kLinkLimit)
    return link;
  const std::string note = "\r\n[... cut: please attach the report files from the folder]";
  std::string cut = body;
  while (!cut.empty() && (head + Escaped(cut) + Escaped(note)).size() > kLinkLimit)
    cut.resize(cut.size() * 9 / 10);
  return head + Escaped(cut) + Escaped(note);
}

}  // namespace tamsendor::crash

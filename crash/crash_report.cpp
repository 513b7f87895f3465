#include "crash/crash_report.h"

#include <cstdio>

namespace tamsendor::crash {

std::string DescribeLocation(const platform::CodeLocation& location) {
  char offset[32];
  std::snprintf(offset, sizeof(offset), "+0x%llx",
                static_cast<unsigned long long>(location.offset));
  return (location.module.empty() ? std::string("?") : location.module) + offset;
}

namespace {

std::string Seconds(std::uint64_t ms) {
  char text[32];
  std::snprintf(text, sizeof(text), "%8llu.%03llu s", static_cast<unsigned long long>(ms / 1000),
                static_cast<unsigned long long>(ms % 1000));
  return text;
}

}  // namespace

std::string ComposeCrashReport(const CrashReport& report) {
  const char* eol = "\r\n";
  std::string text;
  text += "Korvalin Tamsendor crash report";
  text += eol;
  text += eol;
  text += "Program version: " + report.programVersion + eol;
  text += "System: " + (report.osName.empty() ? std::string("unknown") : report.osName) + eol;
  text += "Time: " + report.time + eol;
  text += "Fault: " + report.facts.what + eol;
  if (report.facts.address)
    text += "Address: " + DescribeLocation(*report.facts.address) + eol;
  text += "Doing: " + report.activity + eol;
  text += eol;
  text += "Stack (innermost first):";
  text += eol;
  if (report.facts.stack.empty())
    text += std::string("  (not known)") + eol;
  for (const auto& frame : report.facts.stack)
    text += "  " + DescribeLocation(frame) + eol;
  text += eol;
  text += "Last steps (oldest first):";
  text += eol;
  if (report.trail.empty())
    text += std::string("  (none)") + eol;
  for (const auto& entry : report.trail)
    text += Seconds(entry.ms) + "  " + entry.text + eol;
  return text;
}

}  // namespace tamsendor::crash

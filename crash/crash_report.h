#pragma once

#include <string>
#include <vector>

#include "core/event_trail.h"
#include "platform/crash_facts.h"

namespace tamsendor::crash {

// Everything the text report tells.
struct CrashReport {
  std::string programVersion;
  std::string osName;
  std::string time;  // local time, as the user reads it
  platform::CrashFacts facts;
  std::string activity;
  std::vector<core::EventTrail::Entry> trail;
};

// "tamsendor.exe+0x1a2b".
std::string DescribeLocation(const platform::CodeLocation& location);

// The short text report: version, system, fault and place, stack, activity, the trail (oldest
// first). Plain text with CR LF line ends, for Notepad and for mail programs.
std::string ComposeCrashReport(const CrashReport& report);

}  // namespace tamsendor::crash

#include "bench/process_checks.h"

#include "platform/path_text.h"

namespace tamsendor::bench {

void IsSteamRunning(const platform::ProcessTable& processes, bool& SteamRunning) {
  const auto list = processes.List();
  if (!list)
    return;
  std::string names;
  for (const platform::ProcessEntry& entry : *list)
    names += entry.exeName + "\r\n";
  SteamRunning = platform::FoldCase(names).find("steam.exe") != std::string::npos;
}

bool IsGameRunning(const platform::ProcessTable& processes) {
  const auto list = processes.List();
  if (!list)
    return false;
  for (const platform::ProcessEntry& entry : *list) {
    if (platform::EqualsIgnoringCase(entry.exeName, "hl2.exe"))
      return processes.IsStillRunning(entry.id);
  }
  return false;
}

int EndGame(platform::ProcessTable& processes) {
  const auto list = processes.List();
  if (!list)
    return 0;
  int ended = 0;
  for (const platform::ProcessEntry& entry : *list) {
    if (platform::EqualsIgnoringCase(entry.exeName, "hl2.exe") && processes.Terminate(entry.id))
      ++ended;
  }
  return ended;
}

}  // namespace tamsendor::bench

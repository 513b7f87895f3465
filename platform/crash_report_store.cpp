#include "platform/crash_report_store.h"

#include <algorithm>
#include <cstdio>

namespace tamsendor::platform {

std::string ReportFolderName(int year, int month, int day, int hour, int minute, int second) {
  char name[40];
  std::snprintf(name, sizeof(name), "%04d-%02d-%02d %02d.%02d.%02d", year, month, day, hour, minute,
                second);
  return name;
}

std::vector<std::string> FoldersBeyondNewest(std::vector<std::string> names, std::size_t keep) {
  std::sort(names.begin(), names.end());
  if (names.size() <= keep)
    return {};
  names.resize(names.size() - keep);
  return names;
}

}  // namespace tamsendor::platform

#include "platform/crash_report_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamsendor::platform {
namespace {

TEST(CrashReportStoreTest, OnlyTheNewestReportFoldersStay) {
  std::vector<std::string> names;
  for (int day = 12; day >= 1; --day)
    names.push_back(ReportFolderName(2026, 12, day, 9, 5, 0));
  EXPECT_EQ(names.front(), "2026-12-12 09.05.00");
  EXPECT_EQ(FoldersBeyondNewest(names, 10),
            (std::vector<std::string>{"2026-12-01 09.05.00", "2026-12-02 09.05.00"}));
  EXPECT_TRUE(FoldersBeyondNewest({"a", "b"}, 10).empty());
}

}  // namespace
}  // namespace tamsendor::platform

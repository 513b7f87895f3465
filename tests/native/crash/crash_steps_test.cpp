#include "crash/crash_steps.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tamsendor::crash {
namespace {

TEST(CrashStepsTest, RunInOrderAndEachFailureLeavesTheNextToRun) {
  struct Case {
    const char* what;
    int failing;  // 0 none, 1 game (throws), 2 report (throws), 3 game (false) and report (none)
    bool putBack;
    bool hasReport;
  };
  const Case cases[] = {
      {"all go well", 0, true, true},
      {"the game's clean-up throws", 1, false, true},
      {"the report throws", 2, true, false},
      {"both fail quietly", 3, false, false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> order;
    std::optional<CrashOutcome> told;
    const CrashOutcome outcome = RunCrashSteps({
        [&]() -> bool {
          order.push_back("game");
          if (c.failing == 1)
            throw std::runtime_error("restore failed");
          return c.failing != 3;
        },
        [&]() -> std::optional<std::string> {
          order.push_back("report");
          if (c.failing == 2)
            throw std::runtime_error("disk full");
          if (c.failing == 3)
            return std::nullopt;
          return "C:\\Users\\u\\AppData\\Local\\Korvalin Tamsendor\\Crash reports\\x";
        },
        [&](const CrashOutcome& o) {
          order.push_back("user");
          told = o;
          throw std::runtime_error("no dialog");
        },
    });
    EXPECT_EQ(order, (std::vector<std::string>{"game", "report", "user"})) << c.what;
    EXPECT_EQ(outcome.gamePutBack, c.putBack) << c.what;
    EXPECT_EQ(outcome.reportFolder.has_value(), c.hasReport) << c.what;
    ASSERT_TRUE(told.has_value()) << c.what;
    EXPECT_EQ(told->gamePutBack, c.putBack) << c.what;
  }
}

TEST(CrashStepsTest, TheMessageSaysWhatBecameOfTheGameAndTheReport) {
  const std::string good = CrashMessage({true, "C:\\reports\\x"});
  EXPECT_NE(good.find("as they were before the benchmark"), std::string::npos);
  EXPECT_NE(good.find("C:\\reports\\x"), std::string::npos);
  const std::string bad = CrashMessage({false, std::nullopt});
  EXPECT_NE(bad.find("the next start of the program finishes it"), std::string::npos);
  EXPECT_NE(bad.find("No report"), std::string::npos);
}

TEST(CrashStepsTest, TheMailLinkIsEscapedAndShortEnough) {
  EXPECT_EQ(MailtoLink("support@example.com", "Crash 1.2", "a b\r\n&c=d"),
            "mailto:support@example.com?subject=Crash%201.2&body=a%20b%0D%0A%26c%3Dd");
  const std::string link = MailtoLink("s@e.com", "x", std::string(10000, 'y'));
  EXPECT_LE(link.size(), 2000u);
  EXPECT_NE(link.find("attach%20the%20report"), std::string::npos);
}

}  // namespace
}  // namespace tamsendor::crash

#include "bench/process_checks.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_processes.h"

namespace tamsendor::bench {
namespace {

using Entry = fakes::FakeProcessTable::Entry;

TEST(IsSteamRunningTest, SubstringOfTheLowerCasedList) {
  struct Case {
    std::vector<Entry> entries;
    bool expected;
  };
  const Case cases[] = {
      {{{0, "System Idle Process"}, {4, "explorer.exe"}, {8, "Steam.exe"}}, true},
      {{{4, "explorer.exe"}, {9, "mysteam.exe"}}, true},
      {{{4, "explorer.exe"}, {9, "steamwebhelper.exe"}}, false},
      {{}, false},
  };
  for (const Case& c : cases) {
    fakes::FakeProcessTable table;
    table.entries = c.entries;
    bool SteamRunning = !c.expected;
    IsSteamRunning(table, SteamRunning);
    EXPECT_EQ(SteamRunning, c.expected) << c.entries.size() << " entries";
  }
}

TEST(IsSteamRunningTest, KeepsThePreviousAnswerWhenTheListFails) {
  fakes::FakeProcessTable table;
  table.listFails = true;
  bool SteamRunning = true;
  IsSteamRunning(table, SteamRunning);
  EXPECT_TRUE(SteamRunning);
  SteamRunning = false;
  IsSteamRunning(table, SteamRunning);
  EXPECT_FALSE(SteamRunning);
}

TEST(IsGameRunningTest, TheFirstGameProcessDecides) {
  struct Case {
    const char* what;
    std::vector<Entry> entries;
    bool expected;
  };
  const Case cases[] = {
      {"upper case name", {{4, "explorer.exe"}, {10, "HL2.EXE"}}, true},
      {"listed but ended", {{10, "hl2.exe", false}}, false},
      {"no game", {{4, "explorer.exe"}, {5, "hl2.exe.bak"}}, false},
      // The first one listed is waited on; a second copy behind it does not count then.
      {"first of two ended", {{10, "hl2.exe", false}, {11, "hl2.exe", true}}, false},
      {"first of two running", {{10, "hl2.exe", true}, {11, "hl2.exe", false}}, true},
  };
  for (const Case& c : cases) {
    fakes::FakeProcessTable table;
    table.entries = c.entries;
    EXPECT_EQ(IsGameRunning(table), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace tamsendor::bench

#include "app/crash_response.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fakes/fake_crash.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_host_facts.h"
#include "tests/fakes/fake_shell.h"

namespace tamsendor::app {
namespace {

class CrashResponseTest : public ::testing::Test {
 protected:
  CrashResponseTest() {
    trail.SetActivity("resolution 1 of 1, run 2 of 3");
    trail.Add("launch hl2.exe -width 1280 -height 1024");
    facts.what = "access violation (0xC0000005)";
    facts.address = platform::CodeLocation{"tamsendor.exe", 0x4242};
    facts.stack = {{"tamsendor.exe", 0x4242}};
    files.AddDirectory(*store.folder);
  }
  std::string Written() const { return files.ReadBytes(*store.folder + "report.txt").value_or(""); }

  std::uint64_t now = 0;
  core::EventTrail trail{[this] { return now; }};
  platform::CrashFacts facts;
  fakes::FakeCrashReportStore store;
  fakes::FakeCrashDialog dialog;
  fakes::FakeFileSystem files;
  fakes::FakeHostFacts host;
  fakes::FakeLocaleClock clock;
  CrashResponse response{{store, dialog, files, host, clock}, "1.2.0.0", trail};
};

TEST_F(CrashResponseTest, PutsTheGameBackWritesTheReportAndTellsTheUser) {
  std::vector<std::string> order;
  response.SetGameCleanUp([&] {
    order.push_back("game");
    EXPECT_TRUE(store.dumps.empty());
    return true;
  });
  response.Handle(facts);

  EXPECT_EQ(order, std::vector<std::string>{"game"});
  EXPECT_EQ(store.dumps, std::vector<std::string>{*store.folder + "crash.dmp"});
  EXPECT_EQ(store.kept, std::vector<std::size_t>{10});
  const std::string text = Written();
  for (const char* part :
       {"Program version: 1.2.0.0", "System: Microsoft Windows XP (build 2600)",
        "Fault: access violation (0xC0000005)", "Address: tamsendor.exe+0x4242",
        "Doing: resolution 1 of 1, run 2 of 3", "launch hl2.exe -width 1280 -height 1024"})
    EXPECT_NE(text.find(part), std::string::npos) << part;

  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_NE(dialog.shown[0].message.find("as they were before"), std::string::npos);
  EXPECT_EQ(dialog.shown[0].folder, store.folder);
  EXPECT_EQ(dialog.shown[0].reportText, text);
  EXPECT_EQ(dialog.shown[0].mailLink.rfind(
                "mailto:support@korvalin.com?subject=Korvalin%20Tamsendor%201.2.0.0%20crash", 0),
            0u);
}

TEST_F(CrashResponseTest, AFailedCleanUpStillWritesTheReportAndSaysTheNextStartFinishes) {
  response.SetGameCleanUp([]() -> bool { throw std::runtime_error("file locked"); });
  response.Handle(facts);
  EXPECT_FALSE(Written().empty());
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_NE(dialog.shown[0].message.find("the next start of the program finishes it"),
            std::string::npos);
}

TEST_F(CrashResponseTest, WithoutAFolderTheUserIsStillTold) {
  store.folder.reset();
  response.Handle(facts);
  EXPECT_TRUE(store.dumps.empty());
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_FALSE(dialog.shown[0].folder.has_value());
  EXPECT_NE(dialog.shown[0].message.find("No report"), std::string::npos);
  // Before the windows exist nothing of ours is in the game.
  EXPECT_NE(dialog.shown[0].message.find("as they were before"), std::string::npos);
}

}  // namespace
}  // namespace tamsendor::app

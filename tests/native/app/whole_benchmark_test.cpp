// A whole benchmark in the main window on fakes: what it leaves in the game's folder and where
// the report goes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/path_text.h"
#include "tests/native/app/installed_machine.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/radio_group.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

// The files below a folder, by canonical path.
std::map<std::string, std::string> FilesBelow(const InstalledMachine& m,
                                              const std::string& folder) {
  std::map<std::string, std::string> below;
  const std::string prefix = platform::PathKey(folder) + "\\";
  for (const auto& [path, bytes] : m.services.files.Files()) {
    if (path.rfind(prefix, 0) == 0)
      below.emplace(path, bytes);
  }
  return below;
}

TEST(WholeBenchmarkTest, TheGamesFolderIsLeftExactlyAsItWas) {
  InstalledMachine m;
  const auto before = FilesBelow(m, InstalledMachine::kGames);
  TForm1& form = m.Start();
  m.RunBenchmark();

  EXPECT_EQ(form.Controls().Get<ui::Label>("StatusInfo").Caption(),
            "The benchmarking is successful.");
  EXPECT_EQ(FilesBelow(m, InstalledMachine::kGames), before);
  EXPECT_EQ(m.Stored("NoErrorWarning"), "0");
  EXPECT_TRUE(m.services.dialogs.messages.empty());

  // Both runs played the shipped demo with the generated settings in place.
  ASSERT_EQ(m.services.launcher.starts().size(), 2u);
  EXPECT_NE(m.services.launcher.starts()[0].commandLine.find("+timedemoquit qordemo1"),
            std::string::npos);
  const std::string report = form.Collection().ReportPath();
  EXPECT_EQ(report.rfind(std::string(InstalledMachine::kProgram) + "Benchmark\\result_", 0), 0u)
      << report;
  const std::string page = m.services.files.ReadBytes(report).value_or("");
  EXPECT_NE(page.find("<b>Demo:</b> Korvalin demo 1<br>"), std::string::npos);
  EXPECT_NE(page.find("<b>Score = 62 FPS</b><br>"), std::string::npos);
  EXPECT_NE(page.find("<b>Detail:</b> Maximum quality<br>"), std::string::npos);
}

TEST(WholeBenchmarkTest, TheUsersOwnDemoIsCopiedAndKept) {
  InstalledMachine m;
  m.services.files.AddFile("D:\\Demos\\run.dem", "my demo");
  m.Store("Demo", "3");
  m.Store("Demoname", "D:\\Demos\\run.dem");
  auto before = FilesBelow(m, InstalledMachine::kGames);
  TForm1& form = m.Start();
  EXPECT_EQ(form.Controls().Get<ui::Edit>("DemoEdit").Text(), "D:\\Demos\\run.dem");
  m.RunBenchmark();

  before.emplace(platform::PathKey(InstalledMachine::Mod("run.dem")), "my demo");
  EXPECT_EQ(FilesBelow(m, InstalledMachine::kGames), before);
  EXPECT_EQ(m.services.files.ReadBytes("D:\\Demos\\run.dem"), "my demo");
  EXPECT_NE(m.services.launcher.starts()[0].commandLine.find("+timedemoquit run"),
            std::string::npos);
}

TEST(WholeBenchmarkTest, WithoutAChoiceOfDemoNothingIsTouched) {
  InstalledMachine m;
  m.Store("Demo", "");
  const auto before = m.services.files.Files();
  TForm1& form = m.Start();
  m.RunBenchmark();
  EXPECT_EQ(m.services.dialogs.messages,
            std::vector<std::string>{"Please choose a demo for the benchmark."});
  EXPECT_TRUE(m.services.launcher.starts().empty());
  EXPECT_TRUE(form.Controls().Get<ui::Control>("BenchButton").Enabled());
  EXPECT_EQ(m.services.files.Files(), before);
}

}  // namespace
}  // namespace tamsendor::app

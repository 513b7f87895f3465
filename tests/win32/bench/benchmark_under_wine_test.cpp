// A whole benchmark with the real platform layer and the stand-in Steam client and game: the
// program's own start, launcher, sequencer and report, with the waits shortened tenfold.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "bench/benchmark_start.h"
#include "core/product_key.h"
#include "core/process_runner.h"
#include "bench/resolution_launcher.h"
#include "bench/run_sequencer.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_host_facts.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_ui_thread.h"
#include "report/result_collection.h"
#include "report/score_number.h"
#include "tests/common/bench_controls.h"
#include "tests/fakes/fake_host_facts.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"
#include "tests/win32/message_pump.h"
#include "tools/bench/scaled_timers.h"
#include "tests/win32/standins/standin_fixture.h"

namespace tamsendor::bench {
namespace {

struct Collected {
  std::string tag;
  int runsDone;
  int finishedCount;
  std::string result;  // the result file the run left
};

class BenchmarkUnderWineTest : public standin::testing::StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    WriteControl("play_ms=100\r\n");
    registry.CreateKey(core::kProductRoot, std::string(core::kProductKey));
    std::string steam = steamFolder;
    std::replace(steam.begin(), steam.end(), '\\', '/');  // as Steam writes its own path
    folders.SteamFolder = steam + "/";
    folders.GameModFolder = modFolder + "\\";
    folders.ResultsFolder = temp / "My results\\";
    runners.cp.OnTerminate = [this](core::TJvCreateProcess& sender, std::uint32_t code) {
      sequencer.cpTerminate(sender, code);
    };
  }

  void Collect(const core::RunState& progress) {
    const std::string results = folders.GameModFolder + "sourcebench.csv";
    collected.push_back({progress.CurrentTag, progress.RunsDone, progress.FinishedCount,
                         files.ReadBytes(results).value_or("")});
    collection.CollectResults(progress);
    if (progress.FinishedCount == progress.ChosenCount)
      finished = true;
  }

  win32::Win32UiThread ui;
  benchmarks::ScaledTimers timers{ui, 10};
  win32::Win32ProcessLauncher launcher{ui};
  win32::Win32ProcessTable processes;
  win32::Win32FileSystem files;
  fakes::FakeRegistry registry;
  fakes::FakeDialogs dialogs;
  fakes::FakeWindowPlacement placement;
  fakes::FakeLocaleClock clock;
  fakes::FakeDocumentOpener opener;  // no browser in a test run
  fakes::FakeFileDialogs fileDialogs;
  win32::Win32Registry systemRegistry;
  win32::Win32HostFacts host{systemRegistry};
  fakes::FakeAdapterProbes probes;
  tamsendor::testing::BenchControls controls{ui};
  core::Folders folders;
  core::ProcessRunners runners{launcher};
  ResolutionLauncher resolutions{controls.ForLaunch(), folders, runners.cp};
  std::vector<Collected> collected;
  bool finished = false;
  report::ResultCollection collection{controls.ForCollection(),
                                      {files, dialogs, fileDialogs, opener, clock, host, probes},
                                      folders,
                                      {[] {}, [] {}}};
  fakes::FakeTaskbarProgress taskbar;
  RunSequencer sequencer{resolutions,
                         controls.ForProgress(),
                         processes,
                         placement,
                         timers,
                         taskbar,
                         [this](const core::RunState& progress) { Collect(progress); }};
  BenchmarkStart start{
      controls.ForStart(),
      {files, processes, registry, dialogs, clock},
      folders,
      runners.cp2,
      resolutions,
      sequencer,
      {[] { return false; }, [this] { start.StartBenchmark(); },
       [] { return std::optional<std::string>("qordemo1"); },
       [this] {
         collection.WriteReportHeader({start.FileStamp(), start.DisplayStamp(), "Korvalin demo 1",
                                       "Maximum", "", "indeterminable", "", "", start.IsoStamp(),
                                       "1.2.0.0"});
       }}};
};

TEST_F(BenchmarkUnderWineTest, TwoResolutionsTwoRunsEach) {
  standin::testing::TestProcess steamClient(steamExe, steamFolder);
  ASSERT_TRUE(steamClient.started()) << "error " << steamClient.startError();
  controls.Choose({0, 2}, 2);

  start.BenchButtonClick();
  ASSERT_TRUE(tamsendor::testing::PumpUntil([&] { return finished; }, 90000))
      << collected.size() << " runs collected; status: " << controls.StatusInfo.Caption();
  Run("\"" + steamExe + "\" -shutdown");

  ASSERT_EQ(collected.size(), 4u);
  const char* tags[] = {"640", "640", "1024", "1024"};
  const char* sizes[] = {",640,480,", ",640,480,", ",1024,768,", ",1024,768,"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(collected[i].tag, tags[i]);
    EXPECT_EQ(collected[i].runsDone, static_cast<int>(i % 2) + 1);
    EXPECT_NE(collected[i].result.find(sizes[i]), std::string::npos)
        << "run " << i << " left: " << collected[i].result;
  }
  EXPECT_EQ(collected[3].finishedCount, 2);

  // The game was started with exactly the program's launch options, once per run.
  const auto launches = Lines(ReadText(Mod("standin-hl2.log")).value_or(""));
  ASSERT_EQ(launches.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string size = i < 2 ? "-width 640 -height 480 " : "-width 1024 -height 768 ";
    EXPECT_NE(launches[i].find(size + "+r_fastzreject 0 -refresh 60 -heapsize 64000 -dxlevel 90 "
                                      "+timedemoquit qordemo1"),
              std::string::npos)
        << launches[i];
  }
  EXPECT_EQ(controls.RunsLabel.Caption(), "Run 2 of 2, resolution 2 of 2");
  EXPECT_EQ(taskbar.state, "none");
  EXPECT_FALSE(runners.cp.IsWaiting());

  // The saved report holds the scores the game wrote, rounded, and their averages.
  EXPECT_EQ(controls.StatusInfo.Caption(), "The benchmarking is successful.");
  ASSERT_EQ(opener.opened, std::vector<std::string>{collection.ReportPath()});
  const std::string report = ReadText(collection.ReportPath()).value_or("");
  std::vector<int> scores;
  for (const Collected& run : collected) {
    const auto row = Lines(run.result).at(3);  // title, empty line, header, the run
    const auto fps = row.substr(row.find(",UNKNOWN,") + 9, 5);
    scores.push_back(report::ConvertScore(fps, ".").value());
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string line = "<b>Score = " + std::to_string(scores[i]) + " FPS</b><br>\r\n";
    EXPECT_NE(report.find(line), std::string::npos) << line << report;
  }
  for (std::size_t r = 0; r < 2; ++r) {
    // The average, then the spread of the two runs, then the block's closing rule.
    const auto [lowest, highest] = std::minmax(scores[2 * r], scores[2 * r + 1]);
    const std::string average =
        "<b>Average score = " + std::to_string((scores[2 * r] + scores[2 * r + 1]) / 2) +
        " FPS</b></span><br>\r\n<b>Range: " + std::to_string(lowest) + " - " +
        std::to_string(highest) + " FPS</b><br>\r\n<br><HR>\r\n";
    EXPECT_NE(report.find(average), std::string::npos) << average << report;
  }
  EXPECT_NE(report.find("Resolution: 640\xD7"
                        "480</FONT>"),
            std::string::npos);
  EXPECT_NE(report.find("Resolution: 1024\xD7"
                        "768</FONT>"),
            std::string::npos);
  // The result files went with every run.
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));
  EXPECT_FALSE(Exists(Mod("sourcebench.txt")));
}

// Steam in a folder whose name holds ".exe ": unless the program part of a launch is quoted as a
// whole, Windows starts "<temp>\\Games.exe" with the rest as its options. A program of that name
// lies in wait, a copy of the stand-in client, which would log beside itself.
class SteamBelowAFolderNamedLikeAProgram : public BenchmarkUnderWineTest {
 protected:
  SteamBelowAFolderNamedLikeAProgram() { steamBelowTemp = "Games.exe Folder\\Steam"; }
};

TEST_F(SteamBelowAFolderNamedLikeAProgram, StartsSteamAndTheGameFromThere) {
  const std::string decoy = temp / "Games.exe";
  ASSERT_TRUE(CopyFileW(win32::Widen(BuiltProgram("steam.exe")).c_str(),
                        win32::Widen(decoy).c_str(), FALSE));
  controls.Choose({0}, 1);

  // Steam is not running: the program offers to start it, and the user says Yes.
  dialogs.answers = {true};
  start.BenchButtonClick();
  ASSERT_EQ(dialogs.questions, std::vector<std::string>{"Error! The STEAM not running. Run now?"});
  EXPECT_EQ(controls.StatusInfo.Caption(),
            "Please wait while the Steam successfully loaded. After that click RUN again.");
  ASSERT_TRUE(tamsendor::testing::PumpUntil(
      [&] { return ProcessesBelowTemp(L"steam.exe").size() == 1; }, 10000))
      << "status: " << controls.StatusInfo.Caption();

  start.BenchButtonClick();
  ASSERT_TRUE(tamsendor::testing::PumpUntil([&] { return finished; }, 60000))
      << collected.size() << " runs collected; status: " << controls.StatusInfo.Caption();
  Run("\"" + steamExe + "\" -shutdown");

  EXPECT_FALSE(Exists(temp / "standin-steam.log")) << "the program in wait was started";
  ASSERT_EQ(collected.size(), 1u);
  EXPECT_NE(collected[0].result.find(",640,480,"), std::string::npos) << collected[0].result;
  EXPECT_EQ(controls.StatusInfo.Caption(), "The benchmarking is successful.");
  const auto steamLog = Lines(ReadText(steamFolder + "\\standin-steam.log").value_or(""));
  ASSERT_GE(steamLog.size(), 2u);
  EXPECT_NE(steamLog[1].find("-applaunch 420"), std::string::npos) << steamLog[1];
}

}  // namespace
}  // namespace tamsendor::bench

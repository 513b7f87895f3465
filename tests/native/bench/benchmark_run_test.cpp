#include <gtest/gtest.h>

#include "tests/native/bench/bench_harness.h"

namespace tamsendor::bench::testing {
namespace {

using Sizes = std::vector<std::string>;

std::string Size(int width, int height) {
  return "-width " + std::to_string(width) + " -height " + std::to_string(height);
}

TEST(BenchmarkRunTest, TwoResolutionsThreeRunsEach) {
  BenchHarness h;
  h.Choose({1, 4}, 3);
  h.RunToEnd();

  EXPECT_EQ(h.LaunchedSizes(), (Sizes{Size(800, 600), Size(800, 600), Size(800, 600),
                                      Size(1600, 1200), Size(1600, 1200), Size(1600, 1200)}));
  EXPECT_EQ(h.runsLabelAtLaunch,
            (Sizes{"Run 1 of 3, resolution 1 of 2", "Run 2 of 3, resolution 1 of 2",
                   "Run 3 of 3, resolution 1 of 2", "Run 1 of 3, resolution 2 of 2",
                   "Run 2 of 3, resolution 2 of 2", "Run 3 of 3, resolution 2 of 2"}));
  ASSERT_EQ(h.collected.size(), 6u);
  struct Expected {
    const char* tag;
    int runsDone, finished;
  };
  const Expected expected[] = {{"800", 1, 0},  {"800", 2, 0},  {"800", 3, 1},
                               {"1600", 1, 1}, {"1600", 2, 1}, {"1600", 3, 2}};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(h.collected[i].tag, expected[i].tag) << i;
    EXPECT_EQ(h.collected[i].runsDone, expected[i].runsDone) << i;
    EXPECT_EQ(h.collected[i].finishedCount, expected[i].finished) << i;
  }
  EXPECT_EQ(h.sequencer.Progress().ChosenCount, 2);
  EXPECT_TRUE(h.BenchButton.Enabled());
  EXPECT_FALSE(h.Panel2.Visible());
  EXPECT_EQ(h.prepareCalls, 1);
  EXPECT_EQ(h.headerWrites, 1);
  EXPECT_EQ(h.ui.PendingTimers(), 0u);
}

TEST(BenchmarkRunTest, HandOverAlongTheTableAndTheCustomSizeComesLast) {
  struct Case {
    std::vector<int> rows;
    std::string width, height;
    int runs;
    Sizes launches;
  };
  const Case cases[] = {
      {{0, 8}, "", "", 1, {Size(640, 480), Size(1920, 1200)}},
      {{2, 7}, "", "", 1, {Size(1024, 768), Size(1920, 1080)}},
      {{0, 8}, "1366", "768", 1, {Size(640, 480), Size(1920, 1200), Size(1366, 768)}},
      {{}, "1366", "768", 2, {Size(1366, 768), Size(1366, 768)}},
      // A custom size without a height is not chosen at all.
      {{5}, "1366", "", 1, {Size(2048, 1536)}},
      // Nor is one that is not two pixel counts: it would put its text into the command line.
      {{5}, "1366", "768\r\n1280 x 1024", 1, {Size(2048, 1536)}},
      {{5}, "1366", "768 +exec x", 1, {Size(2048, 1536)}},
      {{5}, " 1366", "768", 1, {Size(2048, 1536)}},
      {{5}, "-1366", "768", 1, {Size(2048, 1536)}},
      {{5}, "1366", "0768", 1, {Size(2048, 1536)}},
      {{5}, "1366", "0", 1, {Size(2048, 1536)}},
      {{5}, "136600", "768", 1, {Size(2048, 1536)}},
      {{5}, "1366", "\xEF\xBC\x97\xEF\xBC\x96\xEF\xBC\x98", 1, {Size(2048, 1536)}},
  };
  for (const Case& c : cases) {
    BenchHarness h;
    h.Choose(c.rows, c.runs, c.width, c.height);
    h.RunToEnd();
    EXPECT_EQ(h.LaunchedSizes(), c.launches) << c.launches.size() << " launches";
    EXPECT_EQ(h.collected.size(), c.launches.size());
    EXPECT_EQ(h.collected.back().finishedCount, h.sequencer.Progress().ChosenCount);
    EXPECT_TRUE(h.BenchButton.Enabled());
    EXPECT_EQ(h.runsLabelAtLaunch.front(), "Run 1 of " + std::to_string(c.runs) +
                                               ", resolution 1 of " +
                                               std::to_string(h.sequencer.Progress().ChosenCount));
  }
}

TEST(BenchmarkRunTest, TheRunsLabelShowsThisBenchmarksCountAfterAnEarlierOne) {
  struct Case {
    int firstRuns, secondRuns;
    Sizes secondLabels;
  };
  const Case cases[] = {
      {3, 1, {"Run 1 of 1, resolution 1 of 2", "Run 1 of 1, resolution 2 of 2"}},
      {3,
       2,
       {"Run 1 of 2, resolution 1 of 2", "Run 2 of 2, resolution 1 of 2",
        "Run 1 of 2, resolution 2 of 2", "Run 2 of 2, resolution 2 of 2"}},
      {1,
       3,
       {"Run 1 of 3, resolution 1 of 2", "Run 2 of 3, resolution 1 of 2",
        "Run 3 of 3, resolution 1 of 2", "Run 1 of 3, resolution 2 of 2",
        "Run 2 of 3, resolution 2 of 2", "Run 3 of 3, resolution 2 of 2"}},
  };
  for (const Case& c : cases) {
    BenchHarness h;
    h.Choose({1, 4}, c.firstRuns);
    h.RunToEnd();
    h.runsLabelAtLaunch.clear();
    h.Choose({1, 4}, c.secondRuns);
    h.RunToEnd();
    EXPECT_EQ(h.runsLabelAtLaunch, c.secondLabels) << c.firstRuns << " then " << c.secondRuns;
  }
}

TEST(BenchmarkRunTest, CustomSizeLineAndTag) {
  BenchHarness h;
  h.Choose({}, 1, "1366", "768");
  h.start.BenchButtonClick();
  EXPECT_EQ(h.sequencer.Progress().CurrentTag, "custom");
  EXPECT_EQ(h.Label21.Caption(), "Resolution: 1366 \xC3\x97 768 (Custom)...");
  EXPECT_EQ(h.resolutions.LaunchLine(),
            "c:/steam/steam.exe -silent -applaunch 420 -preload -novid -mat_preloadshaders "
            "-nocdaudio -nosound -width 1366 -height 768 +r_fastzreject 0 -refresh 60 -heapsize "
            "64000 -dxlevel 90 +timedemoquit qordemo1");
  ASSERT_EQ(h.launcher.starts().size(), 1u);
  EXPECT_EQ(h.launcher.starts()[0].currentDirectory, "c:/steam/");
  EXPECT_EQ(h.launcher.starts()[0].priority, platform::ProcessPriority::Idle);
}

TEST(BenchmarkRunTest, WaitsKeepTheirLengthsAndOrder) {
  BenchHarness h;
  h.game.gameMs = 41000;  // the game runs from 1 s to 42 s after the launch
  h.Choose({2}, 1);
  h.RunToEnd();
  // steam.exe ends at 2 s; settle 30 s; polls at 32, 37, 42 s (the game is gone at 42 s); the
  // collection 1 s later.
  ASSERT_EQ(h.collected.size(), 1u);
  EXPECT_EQ(h.collected[0].atMs, 2000u + 30000 + 5000 + 5000 + 1000);
  EXPECT_FALSE(h.sequencer.GameRunning());
}

TEST(BenchmarkRunTest, AGameNotStartedWithinTheSettleTimeIsNotWaitedFor) {
  BenchHarness h;
  h.Choose({2}, 1);
  h.launcher.onStart = [&](std::size_t index, const platform::ProcessStart&) {
    h.ui.After(2000, [&h, index] { h.launcher.EndProcess(index, 0); });
  };
  h.RunToEnd();
  ASSERT_EQ(h.collected.size(), 1u);
  EXPECT_EQ(h.collected[0].atMs, 2000u + 30000 + 1000);
}

TEST(BenchmarkRunTest, AnotherGameProcessKeepsThePollingGoing) {
  BenchHarness h;
  h.Choose({2}, 1);
  h.processes.entries.push_back({77, "HL2.EXE"});  // not started by the benchmark
  h.start.BenchButtonClick();
  h.ui.AdvanceBy(10 * 60 * 1000);
  EXPECT_TRUE(h.collected.empty());
  EXPECT_TRUE(h.sequencer.GameRunning());
  std::erase_if(h.processes.entries, [](const auto& e) { return e.id == 77; });
  h.ui.RunUntilIdle();
  EXPECT_EQ(h.collected.size(), 1u);
}

TEST(BenchmarkRunTest, ClosingWhileTheGameHangsLeavesNothingPending) {
  BenchHarness h;
  h.game.gameMs = 24u * 3600 * 1000;
  h.Choose({2}, 1);
  {
    // The main window's own sequencer, released when the window closes mid-benchmark.
    RunSequencer closing(h.resolutions, h.controls.ForProgress(), h.processes, h.placement, h.ui,
                         h.taskbar,
                         [](const core::RunState&) { FAIL() << "no collection after the close"; });
    h.cp.OnTerminate = [&](core::TJvCreateProcess& sender, std::uint32_t code) {
      closing.cpTerminate(sender, code);
    };
    closing.BeginBenchmark(1);
    closing.LaunchFirstResolution();
    h.ui.AdvanceBy(5 * 60 * 1000);
    EXPECT_TRUE(closing.IsWaiting());
    EXPECT_TRUE(closing.GameRunning());
  }
  // Only the simulated game's own end is left; the sequencer's poll is gone.
  EXPECT_EQ(h.ui.PendingTimers(), 1u);
  h.ui.RunUntilIdle();
}

// An end notice with no resolution of ours running (only a tag of the table is one) collects
// nothing and launches nothing.
TEST(BenchmarkRunTest, AnEndNoticeWithoutAResolutionOfOursEndsTheHandling) {
  BenchHarness h;
  h.Choose({2}, 2);
  h.sequencer.cpTerminate(h.cp, 0);
  h.ui.RunUntilIdle();
  EXPECT_TRUE(h.collected.empty());
  EXPECT_TRUE(h.launcher.starts().empty());
  EXPECT_EQ(h.sequencer.Progress().RunsDone, 0);
}

// The game may move or resize the main window while it holds the screen: every collection finds
// the window back where it was when Run was pressed.
TEST(BenchmarkRunTest, EveryCollectionFindsTheWindowWhereRunFoundIt) {
  BenchHarness h;
  const platform::WindowBounds atRun = h.placement.bounds;
  h.game.onLaunch = [&h](const platform::ProcessStart&) { h.placement.bounds = {0, 0, 800, 600}; };
  h.Choose({1, 4}, 2);
  h.RunToEnd();
  ASSERT_EQ(h.collected.size(), 4u);
  for (const Collected& collected : h.collected)
    EXPECT_EQ(collected.window, atRun) << collected.tag << " run " << collected.runsDone;
}

TEST(BenchmarkRunTest, NoRunNumberEverChosenRunsOncePerResolution) {
  BenchHarness h;
  h.Choose({0, 1}, 1);
  h.RunNumberBox.SetItemIndex(-1);
  h.RunToEnd();
  EXPECT_EQ(h.LaunchedSizes(), (Sizes{Size(640, 480), Size(800, 600)}));
  EXPECT_EQ(h.sequencer.Progress().RunCount, 1);
  EXPECT_FALSE(
      h.registry.ValueExists(core::kProductRoot, std::string(core::kProductKey), "RunNumber"));
}

TEST(BenchmarkRunTest, ARunCountChangedDuringTheBenchmarkCountsFromTheNextRunEnd) {
  struct Case {
    int runs;
    std::size_t changedAtLaunch;  // while this launch's game runs, 1-based
    int changedTo;
    int launchesAt800, launchesAt1600;
  };
  const Case cases[] = {
      // Lowered below the runs already done at this resolution: it ends, it does not run on.
      {3, 2, 1, 2, 1},
      {3, 3, 2, 3, 2},
      // Lowered to the runs done when this run ends.
      {3, 2, 2, 2, 2},
      // Raised.
      {1, 1, 2, 2, 2},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.runs) + " runs, " + std::to_string(c.changedTo) +
                             " from launch " + std::to_string(c.changedAtLaunch);
    BenchHarness h;
    // As the main window wires it: a pick in the list is the run count at once.
    h.RunNumberBox.OnChange = [&h] { h.start.StoreRunCount(); };
    std::size_t launches = 0;
    h.game.onLaunch = [&](const platform::ProcessStart&) {
      if (++launches == c.changedAtLaunch)
        h.ui.After(10000, [&] { h.RunNumberBox.HandleSelect(c.changedTo - 1); });
    };
    h.Choose({1, 4}, c.runs);
    h.start.BenchButtonClick();
    const std::uint64_t oneHourMs = 3600ull * 1000;
    if (!h.ui.RunUntilIdle(oneHourMs)) {
      ADD_FAILURE() << what << ": still running after an hour, " << launches << " launches";
      continue;
    }
    Sizes expected(static_cast<std::size_t>(c.launchesAt800), Size(800, 600));
    expected.insert(expected.end(), static_cast<std::size_t>(c.launchesAt1600), Size(1600, 1200));
    EXPECT_EQ(h.LaunchedSizes(), expected) << what;
    EXPECT_TRUE(h.BenchButton.Enabled()) << what;
  }
}

TEST(BenchmarkStartTest, ProgressTextsAndStoredRunCount) {
  BenchHarness h;
  h.Choose({3}, 3);
  h.start.BenchButtonClick();
  EXPECT_EQ(h.registry.ReadString(core::kProductRoot, std::string(core::kProductKey), "RunNumber"),
            "3");
  EXPECT_EQ(h.RunsLabel.Caption(), "Run 1 of 3, resolution 1 of 1");
  EXPECT_TRUE(h.RunsLabel.Visible());
  EXPECT_TRUE(h.controls.StopButton.Visible());
  EXPECT_FALSE(h.controls.WaitButton.Visible());
  EXPECT_TRUE(h.Label21.Visible());
  EXPECT_EQ(h.Label21.Caption(), "Resolution: 1280 \xC3\x97 1024...");
  EXPECT_EQ(h.Label20.Caption(), "Benchmarking in progress...");
  EXPECT_EQ(h.Label20.FontSize(), 12);
  EXPECT_EQ(h.Label20.Left(), 118);
  EXPECT_TRUE(h.Panel2.Visible());
  EXPECT_FALSE(h.BenchButton.Enabled());
  EXPECT_EQ(h.start.FileStamp(), "2007_11_23__21_05_07");
  EXPECT_EQ(h.start.DisplayStamp(), "2007.11.23. 21:05:07");
}

TEST(BenchmarkStartTest, CachedDirectXFactsSkipTheDiagnostic) {
  struct Case {
    const char* memory;
    const char* driver;
    int diagnostics;
    const char* shownDriver;
  };
  const Case cases[] = {
      {"512.0 MB", "6.14.10.0", 0, "6.14.10.0"},
      {"512.0 MB", "", 0, "No information"},
      {"", "6.14.10.0", 1, "indeterminable"},
  };
  for (const Case& c : cases) {
    BenchHarness h;
    const std::string key(core::kProductKey);
    h.registry.WriteString(core::kProductRoot, key, "Display Memory", c.memory);
    h.registry.WriteString(core::kProductRoot, key, "Driver Version", c.driver);
    h.Choose({0}, 1);
    h.start.BenchButtonClick();
    EXPECT_EQ(h.directXStarts, c.diagnostics) << c.memory;
    EXPECT_EQ(h.directx.Facts().DriverVersion, c.shownDriver);
    EXPECT_EQ(h.launcher.starts().size(), 1u);
  }
}

TEST(BenchmarkStartTest, NoResolutionTouchesNothingOfTheGame) {
  // The custom size ticked, but without a height, or with one that is no pixel count.
  for (const char* height : {"", "768 -dxlevel 70"}) {
    BenchHarness h;
    h.Choose({}, 1, "1366", height);
    h.start.BenchButtonClick();
    EXPECT_EQ(h.dialogs.messages,
              std::vector<std::string>{"Please, choose a resolution of Half-Life 2 Episode Two."})
        << height;
    EXPECT_EQ(h.prepareCalls, 0);
    EXPECT_EQ(h.headerWrites, 0);
    EXPECT_TRUE(h.launcher.starts().empty());
    EXPECT_TRUE(h.BenchButton.Enabled());
    EXPECT_FALSE(h.Panel2.Visible());
  }
}

TEST(BenchmarkStartTest, AGameThatCannotBePreparedIsNotLaunched) {
  BenchHarness h;
  h.prepareSucceeds = false;
  h.Choose({0}, 1);
  h.start.BenchButtonClick();
  EXPECT_TRUE(h.launcher.starts().empty());
  EXPECT_TRUE(h.BenchButton.Enabled());
  EXPECT_FALSE(h.Panel2.Visible());
}

TEST(BenchmarkStartTest, RunDeletesTheOldResultFileOnlyInTheGameFolder) {
  const std::string somebodys = "C:\\Users\\me\\sourcebench.csv";
  BenchHarness h;
  h.files.currentFolder = "C:\\Users\\me";
  h.files.AddFile(h.folders.GameModFolder + "SourceBench.csv", "old");
  h.files.AddFile(somebodys, "somebody's file in the current folder");
  h.Choose({0}, 1);
  h.start.BenchButtonClick();
  EXPECT_FALSE(h.files.FileExists(h.folders.GameModFolder + "sourcebench.csv"));
  EXPECT_TRUE(h.files.FileExists(somebodys));

  BenchHarness noGame;
  noGame.files.currentFolder = "C:\\Users\\me";
  noGame.folders.GameModFolder.clear();
  noGame.files.AddFile(somebodys, "somebody's file in the current folder");
  noGame.Choose({0}, 1);
  noGame.start.BenchButtonClick();
  EXPECT_TRUE(noGame.files.FileExists(somebodys));
}

TEST(BenchmarkStartTest, SteamNotRunning) {
  struct Case {
    bool answer;
    bool startFails;
    const char* status;
    std::size_t steamStarts;
  };
  const Case cases[] = {
      {true, false, "Please wait while the Steam successfully loaded. After that click RUN again.",
       1},
      {true, true, "Program error, benchmark aborted!", 0},
      {false, false, "Please RUN the Steam (online or offline) before bench.", 0},
  };
  for (const Case& c : cases) {
    BenchHarness h;
    h.Choose({0}, 1);
    h.processes.entries.clear();
    h.dialogs.answers.push_back(c.answer);
    if (c.startFails)
      h.launcher.FailStartsWith(platform::OsError(2, "not found"));
    h.start.BenchButtonClick();
    EXPECT_EQ(h.dialogs.questions,
              std::vector<std::string>{"Error! The STEAM not running. Run now?"});
    EXPECT_EQ(h.StatusInfo.Caption(), c.status);
    ASSERT_EQ(h.launcher.starts().size(), c.steamStarts);
    if (c.steamStarts) {
      EXPECT_EQ(h.launcher.starts()[0].commandLine, "c:/steam/steam.exe");
      EXPECT_EQ(h.launcher.starts()[0].currentDirectory, "c:/steam/");
      EXPECT_EQ(h.launcher.readyWaits(), 1);
    }
    EXPECT_TRUE(h.BenchButton.Enabled());
    EXPECT_FALSE(h.Panel2.Visible());
    EXPECT_EQ(h.prepareCalls, 0);
    h.ui.RunUntilIdle();
    EXPECT_TRUE(h.collected.empty());
  }
}

// A launch that cannot start ends the benchmark as a stopped one, on the first run or a later
// one: the error stays in the status line, Panel2 goes, and the game is put back.
TEST(BenchmarkStartTest, AMissingSteamExeEndsTheBenchmarkWithTheRowsErrorText) {
  struct Case {
    int row;
    int runsBeforeFailure;
    const char* error;
    const char* tag;
  };
  const Case cases[] = {{3, 0, "Program error.", "1280"},
                        {0, 0, "Program error, benchmark aborted!", "640"},
                        {3, 1, "Program error.", "1280"}};
  for (const Case& c : cases) {
    BenchHarness h;
    int putBack = 0;
    std::string failedTag;
    h.resolutions.OnLaunchFailed = [&](std::string_view tag) {
      ++putBack;
      failedTag = tag;
      h.sequencer.LaunchFailed(tag);
    };
    h.Choose({c.row}, 2);
    if (c.runsBeforeFailure > 0) {
      h.game.onLaunch = [&](const platform::ProcessStart&) {
        h.launcher.FailStartsWith(
            platform::OsError(2, "The system cannot find the file specified."));
      };
    } else {
      h.launcher.FailStartsWith(platform::OsError(2, "The system cannot find the file specified."));
    }
    h.RunToEnd();
    EXPECT_EQ(h.StatusInfo.Caption(), c.error) << c.row;
    EXPECT_TRUE(h.BenchButton.Enabled()) << c.row;
    EXPECT_FALSE(h.Panel2.Visible()) << c.row;
    EXPECT_EQ(putBack, 1) << c.row;
    EXPECT_EQ(failedTag, c.tag);
    EXPECT_EQ(h.collected.size(), static_cast<std::size_t>(c.runsBeforeFailure)) << c.row;
    // The benchmark is over: nothing is left to stop, and the taskbar button is plain again.
    EXPECT_FALSE(h.sequencer.Running()) << c.row;
    EXPECT_EQ(h.sequencer.Progress().CurrentTag, c.tag) << c.row;
    EXPECT_EQ(h.taskbar.state, "none") << c.row;
    EXPECT_EQ(h.ui.PendingTimers(), 0u) << c.row;
  }
}

}  // namespace
}  // namespace tamsendor::bench::testing

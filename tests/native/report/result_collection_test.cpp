#include "report/result_collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/native/report/report_run.h"

namespace tamsendor::report {
namespace {

using testing::kReport;
using testing::ReportRun;

// The report's lines from the first resolution heading on, without the footer.
std::vector<std::string> Body(const ResultCollection& collection) {
  const ReportLines& lines = collection.Lines();
  auto from = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("<BR><B>", 0) == 0; });
  std::vector<std::string> body;
  for (auto it = from; it != lines.end() && *it != "<P></P>"; ++it) {
    if (it->rfind("<b>", 0) == 0 && it->find(":</b>") != std::string::npos)
      continue;  // the settings lines
    body.push_back(*it);
  }
  return body;
}

std::string Heading(const char* size) {
  return std::string("<BR><B><FONT size=5>Resolution: ") + size + "</FONT></B><BR>";
}
std::string RunLine(const char* score) {
  return std::string("<b>Score = ") + score + " FPS</b><br>";
}
std::string Average(const char* score) {
  return std::string("<span class=\"style5\"><b>Average score = ") + score + " FPS</b></span><br>";
}
std::string Range(const char* lowest, const char* highest) {
  return std::string("<b>Range: ") + lowest + " - " + highest + " FPS</b><br>";
}
std::string SummaryRow(const char* resolution, const char* result, int percent) {
  return std::string("<TR><TD width=200><b>") + resolution + "</b></TD><TD width=90 align=right>" +
         result + " FPS</TD><TD width=350><TABLE border=0 cellspacing=0 cellpadding=0 width=\"" +
         std::to_string(percent) +
         "%\"><TR><TD bgcolor=\"#E8891F\" height=14>&nbsp;</TD></TR></TABLE></TD></TR>";
}

TEST(ResultCollectionTest, ScoresAndAveragesPerResolution) {
  struct Case {
    const char* what;
    std::vector<int> rows;
    int runCount;
    std::vector<std::string> figures;
    std::vector<std::string> body;
  };
  const Case cases[] = {
      {"three runs, ties to even, truncated average",
       {2},
       3,
       {" 60.4", " 60.5", " 61.5"},
       {Heading("1024\xD7"
                "768"),
        RunLine("60"), RunLine("60"), RunLine("62"), Average("60"), Range("60", "62"), "<br><HR>"}},
      {"a run without a result adds nothing; the average is over the runs that scored",
       {2},
       3,
       {" 60.0", "", " 63.0"},
       {Heading("1024\xD7"
                "768"),
        RunLine("60"), RunLine("63"), Average("61"), Range("60", "63"), "<br><HR>"}},
      {"the first run leaves nothing: the next one writes the heading",
       {2},
       2,
       {"", " 70.0"},
       {Heading("1024\xD7"
                "768"),
        RunLine("70"), Average("70"), "<br><HR>"}},
      {"the last run leaves nothing: the average still comes, and the next resolution starts at 0",
       {0, 2},
       2,
       {" 80.0", "", " 40.0", " 42.0"},
       {Heading("640\xD7"
                "480"),
        RunLine("80"), Average("80"), "<br><HR>",
        Heading("1024\xD7"
                "768"),
        RunLine("40"), RunLine("42"), Average("41"), Range("40", "42"), "<br><HR>",
        // Two resolutions: the summary, the bars in proportion (41 of 80 is 51 %).
        "<BR><B><FONT size=5>Summary</FONT></B><BR>",
        "<TABLE border=0 cellspacing=2 cellpadding=2 width=640>",
        SummaryRow("640 \xD7 480", "80", 100), SummaryRow("1024 \xD7 768", "41", 51), "</TABLE>"}},
      {"a resolution whose runs all leave nothing has no block at all",
       {0, 2},
       2,
       {"", "", " 40.0", " 42.0"},
       {Heading("1024\xD7"
                "768"),
        RunLine("40"), RunLine("42"), Average("41"), Range("40", "42"), "<br><HR>"}},
      {"malformed files count as missing",
       {2},
       3,
       {"!title\r\n\r\nheader\r\n", " 1.#J", "!title\r\n\r\nheader\r\nx.dem,UNKNOWN\r\n"},
       {}},
      {"a newer engine's file",
       {2},
       2,
       {"!demofile,fps,framerate variability,\r\nold.dem, 10.0,  1.0,\r\nqordemo1.dem, 55.5,  "
        "2.2,\r\n",
        "!demofile,fps,framerate variability,\r\nqordemo1.dem, 56.5,  2.2,\r\n"},
       {Heading("1024\xD7"
                "768"),
        RunLine("56"), RunLine("56"), Average("56"), Range("56", "56"), "<br><HR>"}},
  };
  for (const Case& c : cases) {
    ReportRun r;
    r.Run(c.rows, c.runCount, c.figures);
    EXPECT_EQ(Body(r.collection), c.body) << c.what;
    EXPECT_EQ(r.collection.Scores().ScoreTotal, 0) << c.what;
    // Every run starts clean: neither file is left behind, whatever the run left.
    EXPECT_FALSE(r.h.files.FileExists(r.h.folders.GameModFolder + "sourcebench.csv")) << c.what;
    EXPECT_FALSE(r.h.files.FileExists(r.h.folders.GameModFolder + "sourcebench.txt")) << c.what;
  }
}

TEST(ResultCollectionTest, CommaLocaleReadsThePointOfTheEngine) {
  ReportRun r;
  r.h.clock.decimalSeparator = ",";
  r.host.totalPhysicalMemory = 2147483648;
  r.Run({2}, 2, {" 61.5", " 62,5"});
  EXPECT_EQ(Body(r.collection),
            (std::vector<std::string>{Heading("1024\xD7"
                                              "768"),
                                      RunLine("62"), RunLine("62"), Average("62"),
                                      Range("62", "62"), "<br><HR>"}));
  EXPECT_NE(r.Saved().find("<b>System memory:</b> 2,0 GB </FONT>"), std::string::npos);
}

TEST(ResultCollectionTest, SavesOpensAndCleansUpInOrderAtTheEnd) {
  ReportRun r;
  r.opener.failure.clear();
  r.Run({2}, 1, {" 61.2"});
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "The benchmarking is successful.");
  EXPECT_EQ(r.steps, (std::vector<std::string>{"restore autoexec", "clean up"}));
  EXPECT_TRUE(r.h.BenchButton.Enabled());
  EXPECT_FALSE(r.h.Panel2.Visible());
  EXPECT_EQ(r.opener.opened, std::vector<std::string>{kReport});
  EXPECT_TRUE(r.h.dialogs.messages.empty());
  // The window went back to where it was when Run was pressed, after every run.
  EXPECT_EQ(r.h.placement.setCalls, 1);
}

TEST(ResultCollectionTest, NothingScoredMeansAbortedAndNothingSaved) {
  struct Case {
    int runCount;
    std::vector<std::string> figures;
  };
  // No result file, or one whose figure is no plain frames-per-second figure: also with one run
  // per resolution, where the engine's own text would be shown.
  const Case cases[] = {
      {2, {"", ""}},  {2, {" -5.0", "1e9"}}, {2, {"inf", "nan"}}, {2, {"+61.5", "0x3D"}},
      {1, {" -5"}},   {1, {"1.5e2"}},        {1, {"inf"}},        {1, {"nan"}},
      {1, {"-61.5"}}, {1, {".5"}},           {1, {"61 5"}},       {1, {"61.5\t!"}},
  };
  for (const Case& c : cases) {
    ReportRun r;
    r.Run({2}, c.runCount, c.figures);
    const std::string what = c.figures[0];
    EXPECT_EQ(Body(r.collection), std::vector<std::string>{}) << what;
    EXPECT_EQ(r.collection.Scores().ScoreText, "") << what;
    EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "Benchmark aborted!") << what;
    EXPECT_FALSE(r.h.files.FileExists(kReport)) << what;
    EXPECT_TRUE(r.opener.opened.empty());
    EXPECT_EQ(r.collection.ReportPath(), "");
    // The game's folder is put back all the same.
    EXPECT_EQ(r.steps, (std::vector<std::string>{"restore autoexec", "clean up"}));
    EXPECT_TRUE(r.h.BenchButton.Enabled());
  }
}

TEST(ResultCollectionTest, AnEarlierBenchmarksScoreDoesNotSaveAnEmptyReport) {
  ReportRun r;
  r.Run({2}, 1, {" 61.2"});
  ASSERT_TRUE(r.h.files.RemoveFile(kReport));
  r.opener.opened.clear();

  r.figures = {"", ""};
  r.h.RunToEnd();  // same choices, a second benchmark whose game leaves nothing
  EXPECT_EQ(r.collection.Scores().ScoreText, " 61.2");  // kept, but not this benchmark's
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "Benchmark aborted!");
  EXPECT_FALSE(r.h.files.FileExists(kReport));
  EXPECT_TRUE(r.opener.opened.empty());
}

TEST(ResultCollectionTest, AReportThatCannotBeSavedIsToldAndNothingHalfWrittenStays) {
  ReportRun r;
  r.h.files.SetReadOnly(testing::kResults);
  r.Run({2}, 1, {" 61.2"});  // and the user cancels the offer to save it elsewhere
  // Every run completed: only the report is missing.
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "Report not saved.");
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_NE(r.h.dialogs.messages[0].find(kReport), std::string::npos) << r.h.dialogs.messages[0];
  EXPECT_NE(r.h.dialogs.messages[0].find("Access is denied."), std::string::npos)
      << r.h.dialogs.messages[0];
  EXPECT_TRUE(r.opener.opened.empty());
  EXPECT_EQ(r.collection.ReportPath(), "");
  EXPECT_FALSE(r.h.files.FileExists(kReport));
  // The user is told once the game's folder is back in order.
  EXPECT_EQ(r.steps, (std::vector<std::string>{"restore autoexec", "clean up"}));
  EXPECT_TRUE(r.h.BenchButton.Enabled());
}

TEST(ResultCollectionTest, AReportThatCannotBeSavedIsOfferedAPlaceElsewhere) {
  constexpr char kElsewhere[] = "C:\\Users\\joe\\Documents\\result_2007_11_23__21_05_07.htm";
  constexpr char kReadOnlyToo[] = "E:\\Shared\\";
  const std::string kSuggested = "result_2007_11_23__21_05_07.htm";
  const fakes::FakeFileDialogs::Shown kSaveAs{"Save the report as", "HTML files (*.htm)|*.htm", ""};
  struct Case {
    const char* what;
    std::vector<std::optional<std::string>> choices;
    std::string savedAt;  // "" when the report is discarded
    std::size_t messages;
  };
  const Case cases[] = {
      {"a place chosen", {kElsewhere}, kElsewhere, 1},
      {"cancelled", {std::nullopt}, "", 1},
      {"a place that fails too, then another",
       {std::string(kReadOnlyToo) + kSuggested, kElsewhere},
       kElsewhere,
       2},
      {"a place that fails too, then cancelled",
       {std::string(kReadOnlyToo) + kSuggested, std::nullopt},
       "",
       2},
  };
  // The same benchmark saved where it belongs, for its bytes.
  ReportRun saved;
  saved.Run({2}, 2, {" 61.2", " 62.7"});
  const std::string expectedBytes = saved.Saved();

  for (const Case& c : cases) {
    ReportRun r;
    r.h.files.SetReadOnly(testing::kResults);
    r.h.files.AddDirectory("C:\\Users\\joe\\Documents");
    r.h.files.AddDirectory(kReadOnlyToo);
    r.h.files.SetReadOnly(kReadOnlyToo);
    r.fileDialogs.choices.assign(c.choices.begin(), c.choices.end());
    r.Run({2}, 2, {" 61.2", " 62.7"});

    EXPECT_EQ(r.fileDialogs.shown,
              std::vector<fakes::FakeFileDialogs::Shown>(c.choices.size(), kSaveAs))
        << c.what;
    EXPECT_EQ(r.fileDialogs.suggestedNames, std::vector<std::string>(c.choices.size(), kSuggested))
        << c.what;
    EXPECT_EQ(r.h.dialogs.messages.size(), c.messages) << c.what;
    EXPECT_FALSE(r.h.files.FileExists(kReport)) << c.what;
    EXPECT_EQ(r.collection.ReportPath(), c.savedAt) << c.what;
    // The game was put back before the user was asked anything.
    EXPECT_EQ(r.steps, (std::vector<std::string>{"restore autoexec", "clean up"})) << c.what;
    EXPECT_TRUE(r.h.BenchButton.Enabled()) << c.what;
    if (c.savedAt.empty()) {
      EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "Report not saved.") << c.what;
      EXPECT_TRUE(r.opener.opened.empty()) << c.what;
      EXPECT_FALSE(r.h.files.FileExists(kElsewhere)) << c.what;
    } else {
      EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "The benchmarking is successful.") << c.what;
      EXPECT_EQ(r.opener.opened, std::vector<std::string>{c.savedAt}) << c.what;
      EXPECT_EQ(r.h.files.ReadBytes(c.savedAt), expectedBytes) << c.what;
    }
  }
}

TEST(ResultCollectionTest, AReportThatCannotBeOpenedIsStillSaved) {
  ReportRun r;
  r.opener.failure = "No application is associated with the specified file for this operation.";
  r.Run({2}, 1, {" 61.2"});
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "The benchmarking is successful.");
  EXPECT_TRUE(r.h.files.FileExists(kReport));
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_NE(r.h.dialogs.messages[0].find(kReport), std::string::npos);
  EXPECT_NE(r.h.dialogs.messages[0].find(r.opener.failure), std::string::npos);
}

// The current folder may be any folder (the system's own, when started by another program): a
// report is never put there for want of a results folder.
TEST(ResultCollectionTest, WithoutAResultsFolderNoReportGoesToTheCurrentFolder) {
  ReportRun r;
  r.h.folders.ResultsFolder.clear();
  r.h.files.currentFolder = "C:\\Windows\\system32";
  r.Run({2}, 1, {" 61.2"});
  EXPECT_TRUE(r.collection.ReportPath().empty());
  EXPECT_FALSE(r.h.files.FileExists("C:\\Windows\\system32\\result_2007_11_23__21_05_07.htm"));
  EXPECT_FALSE(r.h.dialogs.messages.empty());
}

TEST(ResultCollectionTest, NothingIsWrittenBeforeTheEnd) {
  ReportRun r;
  r.figures = {" 61.2", " 62.2", " 63.2"};
  r.h.Choose({2}, 3);
  int collections = 0;
  r.h.collect = [&](const core::RunState& progress) {
    ++collections;
    EXPECT_FALSE(r.h.files.FileExists(kReport)) << "before collection " << collections;
    r.collection.CollectResults(progress);
  };
  r.h.RunToEnd();
  EXPECT_EQ(collections, 3);
  EXPECT_TRUE(r.h.files.FileExists(kReport));
}

}  // namespace
}  // namespace tamsendor::report

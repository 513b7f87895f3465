#include "report/results_twin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "json/json_reader.h"
#include "tests/native/report/report_run.h"

namespace tamsendor::report {
namespace {

using json::Value;
using testing::ExpectGold;
using testing::kReport;
using testing::kTwin;
using testing::ReportRun;
using Kind = Value::Kind;

// What a program reading the twin may count on: each object has exactly these members, of these
// kinds.
struct Member {
  const char* name;
  std::vector<Kind> kinds;
};

void CheckMembers(const Value& object, const std::vector<Member>& members, const std::string& where,
                  std::vector<std::string>& problems) {
  if (!object.IsObject()) {
    problems.push_back(where + " is no object");
    return;
  }
  for (const Member& m : members) {
    const Value* value = object.Find(m.name);
    if (value == nullptr)
      problems.push_back(where + "." + m.name + " is missing");
    else if (std::find(m.kinds.begin(), m.kinds.end(), value->kind) == m.kinds.end())
      problems.push_back(where + "." + m.name + " is of the wrong kind");
  }
  for (const std::string& key : object.keys)
    if (std::none_of(members.begin(), members.end(),
                     [&](const Member& m) { return key == m.name; }))
      problems.push_back(where + "." + key + " is not expected");
}

std::vector<std::string> SchemaProblems(const Value& twin) {
  const std::vector<Kind> text{Kind::String}, number{Kind::Number}, flag{Kind::Bool};
  const std::vector<Kind> textOrNull{Kind::String, Kind::Null};
  const std::vector<Kind> numberOrNull{Kind::Number, Kind::Null};
  std::vector<std::string> problems;
  CheckMembers(twin,
               {{"format", text},
                {"format_version", number},
                {"program_version", text},
                {"started", text},
                {"report", text},
                {"machine", {Kind::Object}},
                {"note", text},
                {"settings", {Kind::Object}},
                {"resolutions", {Kind::Array}}},
               "twin", problems);
  if (!problems.empty())
    return problems;
  const Value& machine = *twin.Find("machine");
  CheckMembers(machine,
               {{"operating_system", text},
                {"memory_bytes", number},
                {"cpu", text},
                {"cpu_mhz", number},
                {"sound", text},
                {"graphics", {Kind::Array}}},
               "machine", problems);
  if (const Value* graphics = machine.Find("graphics"); graphics && graphics->IsArray()) {
    if (graphics->items.empty())
      problems.push_back("machine.graphics is empty");
    for (const Value& card : graphics->items)
      CheckMembers(card,
                   {{"card", text},
                    {"memory", text},
                    {"driver_version", text},
                    {"bus_type", textOrNull},
                    {"gpu_speed", textOrNull},
                    {"memory_speed", textOrNull}},
                   "machine.graphics[]", problems);
  }
  CheckMembers(*twin.Find("settings"),
               {{"detail", text},
                {"high_dynamic_range", text},
                {"heapsize", text},
                {"motion_blur", text},
                {"directx_level", text},
                {"antialiasing", text},
                {"filtering", text},
                {"fast_z", flag},
                {"color_correction", flag}},
               "settings", problems);
  if (twin.Find("resolutions")->items.empty())
    problems.push_back("no resolution");
  for (const Value& resolution : twin.Find("resolutions")->items) {
    CheckMembers(resolution,
                 {{"name", text},
                  {"width", numberOrNull},
                  {"height", numberOrNull},
                  {"custom", flag},
                  {"demo", text},
                  {"runs", {Kind::Array}},
                  {"average", numberOrNull},
                  {"min", numberOrNull},
                  {"max", numberOrNull}},
                 "resolutions[]", problems);
    if (!problems.empty())
      return problems;
    // The spread is that of the runs' own figures, and the average lies inside it.
    std::vector<double> figures;
    for (const Value& run : resolution.Find("runs")->items) {
      if (run.IsNull())
        continue;
      CheckMembers(run, {{"fps_text", text}, {"fps", number}}, "runs[]", problems);
      if (run.IsObject() && run.Find("fps") && run.Find("fps")->IsNumber())
        figures.push_back(run.Find("fps")->number);
    }
    if (figures.empty()) {
      problems.push_back("a resolution without a scored run");
      continue;
    }
    const double lowest = *std::min_element(figures.begin(), figures.end());
    const double highest = *std::max_element(figures.begin(), figures.end());
    if (resolution.Find("min")->number != lowest || resolution.Find("max")->number != highest)
      problems.push_back("min or max is not that of the runs");
    // The report's average is the whole-number scores' mean, cut to a whole number: within one of
    // the figures' range.
    const double average = resolution.Find("average")->number;
    if (average < lowest - 1 || average > highest + 1)
      problems.push_back("the average lies outside the runs");
  }
  if (!std::regex_match(twin.Find("started")->text,
                        std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")))
    problems.push_back("started is no ISO 8601 time with an offset");
  if (twin.Find("format")->text != kTwinFormat ||
      twin.Find("format_version")->number != kTwinFormatVersion)
    problems.push_back("another format");
  return problems;
}

Value ReadTwin(const ReportRun& r) {
  std::string error;
  const auto twin = json::Read(r.SavedTwin(), &error);
  EXPECT_TRUE(twin) << error << "\n" << r.SavedTwin();
  return twin.value_or(Value());
}

// Two resolutions of three runs, one of which left nothing: the twin and the page are gold.
TEST(ResultsTwinTest, TwoResolutionsWithAMissingRunAreGold) {
  ReportRun r;
  r.host.totalPhysicalMemory = 4294967296;
  r.probes.displayClass = {true, "NVIDIA GeForce 8800 GTX", "575 MHz", "900 MHz"};
  r.h.controls.NoteEdit.SetText("Driver \"169.21\" \xE2\x82\xAC\ttabbed");
  r.h.controls.ColorCorrBox.SetChecked(true);
  r.Run({0, 2}, 3, {" 80.25", " 79.50", " 81.00", " 40.50", "", " 42.25"});
  ASSERT_EQ(r.collection.ReportPath(), kReport);
  EXPECT_TRUE(r.h.dialogs.messages.size() == 1);  // the run without a result, named
  ExpectGold("two_resolutions.json", r.SavedTwin());
  ExpectGold("two_resolutions.htm", r.Saved());
  EXPECT_EQ(SchemaProblems(ReadTwin(r)), std::vector<std::string>{});
}

TEST(ResultsTwinTest, EveryShapeOfBenchmarkKeepsTheSchema) {
  struct Case {
    const char* what;
    std::vector<int> rows;
    int runCount;
    std::vector<std::string> figures;
    const char* width = "";
    const char* height = "";
    const char* separator = ".";
  };
  const Case cases[] = {
      {"one run at one resolution", {2}, 1, {" 61.20"}},
      {"the user's own size", {}, 2, {"120.0", "118.5"}, "1440", "900"},
      {"a comma locale", {3}, 2, {" 61.5", " 62.5"}, "", "", ","},
      {"every row",
       {0, 1, 2, 3, 4, 5, 6, 7, 8},
       1,
       {"1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0"}},
  };
  for (const Case& c : cases) {
    ReportRun r;
    r.h.clock.decimalSeparator = c.separator;
    r.probes.ati = {true, "Radeon X1950 Pro", "PCI Express x16", "GDDR3", "575 MHz", "690 MHz"};
    r.Run(c.rows, c.runCount, c.figures, c.width, c.height);
    EXPECT_EQ(SchemaProblems(ReadTwin(r)), std::vector<std::string>{}) << c.what;
  }
}

TEST(ResultsTwinTest, FiguresAreTheEnginesAndTheAverageIsTheReports) {
  struct Case {
    const char* what;
    int runCount;
    std::vector<std::string> figures;
    const char* separator;
    std::vector<std::string> texts;  // "" for a run without a result
    std::vector<double> numbers;
    double average;
    double lowest;
    double highest;
  };
  const Case cases[] = {
      {"one run: the engine's figure is the result",
       1,
       {" 61.20"},
       ".",
       {"61.20"},
       {61.2},
       61.2,
       61.2,
       61.2},
      {"the report's average is of whole numbers, cut",
       3,
       {" 60.4", " 60.5", " 61.5"},
       ".",
       {"60.4", "60.5", "61.5"},
       {60.4, 60.5, 61.5},
       60,
       60.4,
       61.5},
      {"a missing run is null and counts nowhere",
       3,
       {" 70.0", "", " 75.5"},
       ".",
       {"70.0", "", "75.5"},
       {70, 0, 75.5},
       73,
       70,
       75.5},
      {"the engine's point on a comma locale",
       2,
       {" 61.5", " 62.5"},
       ",",
       {"61.5", "62.5"},
       {61.5, 62.5},
       62,
       61.5,
       62.5},
  };
  for (const Case& c : cases) {
    ReportRun r;
    r.h.clock.decimalSeparator = c.separator;
    r.Run({2}, c.runCount, c.figures);
    const Value twin = ReadTwin(r);
    ASSERT_TRUE(twin.IsObject()) << c.what;
    const Value& resolutions = *twin.Find("resolutions");
    ASSERT_EQ(resolutions.items.size(), 1u) << c.what;
    const Value& resolution = resolutions.items[0];
    EXPECT_EQ(resolution.Find("name")->text, "1024 \xC3\x97 768");
    EXPECT_EQ(resolution.Find("width")->number, 1024);
    EXPECT_EQ(resolution.Find("height")->number, 768);
    EXPECT_EQ(resolution.Find("demo")->text, "Korvalin demo 1");
    const Value& runs = *resolution.Find("runs");
    ASSERT_EQ(runs.items.size(), c.texts.size()) << c.what;
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
      if (c.texts[i].empty()) {
        EXPECT_TRUE(runs.items[i].IsNull()) << c.what;
        continue;
      }
      EXPECT_EQ(runs.items[i].Find("fps_text")->text, c.texts[i]) << c.what;
      EXPECT_EQ(runs.items[i].Find("fps")->number, c.numbers[i]) << c.what;
    }
    EXPECT_EQ(resolution.Find("average")->number, c.average) << c.what;
    EXPECT_EQ(resolution.Find("min")->number, c.lowest) << c.what;
    EXPECT_EQ(resolution.Find("max")->number, c.highest) << c.what;
    EXPECT_EQ(twin.Find("report")->text, "result_2007_11_23__21_05_07.htm");
    EXPECT_EQ(twin.Find("started")->text, "2007-11-23T21:05:07+01:00");
    EXPECT_EQ(twin.Find("program_version")->text, "1.2.0.0");
  }
}

TEST(ResultsTwinTest, OneResolutionHasNoSummary) {
  ReportRun r;
  r.Run({2}, 2, {" 50.0", " 52.0"});
  EXPECT_EQ(r.Saved().find("Summary"), std::string::npos);
  EXPECT_NE(r.Saved().find("<b>Range: 50 - 52 FPS</b><br>"), std::string::npos);
}

TEST(ResultsTwinTest, NoTwinWithoutASavedReport) {
  ReportRun r;
  r.Run({2}, 2, {"", ""});
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "Benchmark aborted!");
  EXPECT_FALSE(r.h.files.FileExists(kTwin));
  EXPECT_EQ(r.h.files.FileCount(), 0u);
}

// A twin that cannot be written costs the user nothing of the report, and is told once.
TEST(ResultsTwinTest, ATwinThatCannotBeSavedKeepsTheReport) {
  ReportRun r;
  r.h.files.AddFile(kTwin, "an older file of the user's");
  r.h.files.SetReadOnly(kTwin);
  r.Run({2}, 2, {" 50.0", " 52.0"});
  EXPECT_EQ(r.h.controls.StatusInfo.Caption(), "The benchmarking is successful.");
  EXPECT_EQ(r.collection.ReportPath(), kReport);
  EXPECT_NE(r.Saved().find("Average score = 51 FPS"), std::string::npos);
  EXPECT_EQ(r.opener.opened, std::vector<std::string>{kReport});
  EXPECT_EQ(r.SavedTwin(), "an older file of the user's");
  ASSERT_EQ(r.h.dialogs.messages.size(), 1u);
  EXPECT_EQ(r.h.dialogs.messages[0],
            std::string("The results file for other programs could not be saved as ") + kTwin +
                "\n\nAccess is denied.\n\nThe report itself is saved as " + kReport + ".");
  EXPECT_EQ(r.steps, (std::vector<std::string>{"restore autoexec", "clean up"}));
}

// The report saved where the user chose has its twin beside it, also under a name of its own.
TEST(ResultsTwinTest, AReportSavedElsewhereHasItsTwinBesideIt) {
  struct Case {
    const char* chosen;
    const char* twin;
  };
  const Case cases[] = {
      {"C:\\Users\\joe\\Documents\\mine.htm", "C:\\Users\\joe\\Documents\\mine.json"},
      {"C:\\Users\\joe\\Documents\\mine", "C:\\Users\\joe\\Documents\\mine.json"},
      {"C:\\Users\\joe\\Documents\\mine.JSON", "C:\\Users\\joe\\Documents\\mine.JSON.json"},
  };
  for (const Case& c : cases) {
    ReportRun r;
    r.h.files.SetReadOnly(testing::kResults);
    r.h.files.AddDirectory("C:\\Users\\joe\\Documents");
    r.fileDialogs.choices = {c.chosen};
    r.Run({2}, 1, {" 61.2"});
    EXPECT_EQ(r.collection.ReportPath(), c.chosen);
    EXPECT_NE(r.h.files.ReadBytes(c.chosen).value_or("").find("Score =  61.2 FPS"),
              std::string::npos)
        << c.chosen;
    const auto twin = json::Read(r.h.files.ReadBytes(c.twin).value_or(""));
    ASSERT_TRUE(twin) << c.twin;
    const std::string chosen(c.chosen);
    EXPECT_EQ(twin->Find("report")->text, chosen.substr(chosen.rfind('\\') + 1));
  }
}

TEST(ResultsTwinTest, TwinPathReplacesOnlyTheFileNamesExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:\\Benchmarks\\result_1.htm", "D:\\Benchmarks\\result_1.json"},
      {"D:\\Bench.marks\\result", "D:\\Bench.marks\\result.json"},
      {"D:/Bench.marks/result", "D:/Bench.marks/result.json"},
      {"D:\\Benchmarks\\.htm", "D:\\Benchmarks\\.htm.json"},
      {"D:\\Benchmarks\\a.b.html", "D:\\Benchmarks\\a.b.json"},
      {"D:\\Benchmarks\\a.json", "D:\\Benchmarks\\a.json.json"},
      {"result.htm", "result.json"},
  };
  for (const auto& [report, twin] : cases)
    EXPECT_EQ(TwinPathOf(report), twin) << report;
}

}  // namespace
}  // namespace tamsendor::report

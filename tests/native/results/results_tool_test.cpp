#include "tools/results/results_tool.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/native/report/report_run.h"
#include "tools/results/results_file.h"
#include "tools/results/results_table.h"

namespace tamsendor::results {
namespace {

constexpr char kFolder[] = "D:\\Benchmarks";

struct Outcome {
  int code;
  std::string out, err;
};

// The folder kFolder with `files` by name; any other folder cannot be read.
Outcome RunTool(const std::vector<std::string>& arguments,
                const std::map<std::string, std::string>& files) {
  const ResultsIo io{
      [&](const std::string& folder,
          std::string& reason) -> std::optional<std::vector<std::string>> {
        if (folder != kFolder) {
          reason = "The system cannot find the path specified.";
          return std::nullopt;
        }
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files)
          names.push_back(name);
        return names;
      },
      [&](const std::string& path, std::string& reason) -> std::optional<std::string> {
        const std::string prefix = std::string(kFolder) + "\\";
        const std::string name = path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
        if (const auto found = files.find(name); found != files.end())
          return found->second;
        reason = "The system cannot find the file specified.";
        return std::nullopt;
      }};
  Outcome outcome;
  outcome.code = RunResultsTool(arguments, io, outcome.out, outcome.err);
  return outcome;
}

// The results file the program writes for a benchmark on fakes.
std::string Twin(const std::vector<int>& rows, int runCount, std::vector<std::string> figures,
                 const char* started, const char* demo = "Korvalin demo 1") {
  report::testing::ReportRun r;
  r.h.clock.iso = started;
  r.Run(rows, runCount, std::move(figures));
  std::string twin = r.SavedTwin();
  if (const auto at = twin.find("Korvalin demo 1"); at != std::string::npos)
    twin.replace(at, 15, demo);  // the first resolution's demo
  return twin;
}

// Two benchmarks: 640 and 1024 before a driver change, 1024 and 1280 after it.
std::map<std::string, std::string> TwoBenchmarks() {
  return {
      {"before.json",
       Twin({0, 2}, 2, {" 80.25", " 79.50", " 40.5", " 41.5"}, "2007-11-23T21:05:07+01:00")},
      {"after.json",
       Twin({2, 3}, 2, {" 44.5", " 45.5", " 30.00", ""}, "2007-11-24T09:30:00+01:00")},
  };
}

TEST(ResultsToolTest, ComparesPerResolutionWithThoseOfOnlyOneMarked) {
  const Outcome run =
      RunTool({"compare", "D:\\Benchmarks\\before.json", "after.json"}, TwoBenchmarks());
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "A: before.json (2007-11-23 21:05)\n"
            "B: after.json (2007-11-24 09:30)\n"
            "\n"
            "Resolution   A   B  Change\n"
            "----------  --  --  ------\n"
            "640x480     80   -       -\n"
            "1024x768    41  45   +9.8%\n"
            "1280x1024    -  30       -\n");
  // The other way round the change is a fall, and B's own resolutions come after A's.
  const Outcome back = RunTool({"compare", "after.json", "before.json"}, TwoBenchmarks());
  EXPECT_EQ(back.out,
            "A: after.json (2007-11-24 09:30)\n"
            "B: before.json (2007-11-23 21:05)\n"
            "\n"
            "Resolution   A   B  Change\n"
            "----------  --  --  ------\n"
            "1024x768    45  41   -8.9%\n"
            "1280x1024   30   -       -\n"
            "640x480      -  80       -\n");
}

TEST(ResultsToolTest, AComparisonOfDifferentDemosSaysSo) {
  std::map<std::string, std::string> files = TwoBenchmarks();
  files["other.json"] = Twin({2}, 1, {" 50.5"}, "2007-11-25T10:00:00+01:00", "My demo");
  const Outcome run = RunTool({"compare", "before.json", "other.json"}, files);
  EXPECT_NE(run.out.find("1024x768    41  50.5  +23.2%\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Note: at 1024x768 A ran \"Korvalin demo 1\" and B ran \"My demo\".\n"),
            std::string::npos)
      << run.out;
}

TEST(ResultsToolTest, ListsEveryResultsFileOldestFirstAndNamesTheRest) {
  std::map<std::string, std::string> files = TwoBenchmarks();
  files["notes.json"] = "{\"my\": \"own file\"}";
  files["broken.json"] = "{\"format\": ";
  std::string newer = files["before.json"];
  newer.replace(newer.find("\"format_version\": 1"), 19, "\"format_version\": 2");
  files["newer.json"] = newer;
  std::string wrongKind = files["before.json"];
  wrongKind.replace(wrongKind.find("\"average\": 80"), 13, "\"average\": \"80\"");
  files["edited.json"] = wrongKind;

  const Outcome run = RunTool({"list", kFolder}, files);
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "Date              Resolution  Demo             Average         Range  File\n"
            "----------------  ----------  ---------------  -------  ------------  -----------\n"
            "2007-11-23 21:05  640x480     Korvalin demo 1       80  79.5 - 80.25  before.json\n"
            "2007-11-23 21:05  1024x768    Korvalin demo 1       41   40.5 - 41.5  before.json\n"
            "2007-11-24 09:30  1024x768    Korvalin demo 1       45   44.5 - 45.5  after.json\n"
            "2007-11-24 09:30  1280x1024   Korvalin demo 1       30       30 - 30  after.json\n");
  EXPECT_EQ(run.err,
            "Skipped D:\\Benchmarks\\broken.json: no JSON (at byte 11: a value is missing)\n"
            "Skipped D:\\Benchmarks\\edited.json: a results file with members missing or of the "
            "wrong kind\n"
            "Skipped D:\\Benchmarks\\newer.json: a results format this version does not know (2)\n"
            "Skipped D:\\Benchmarks\\notes.json: not a results file of Korvalin Tamsendor\n");
}

TEST(ResultsToolTest, CommandLinesAndFoldersThatCannotBeUsed) {
  struct Case {
    std::vector<std::string> arguments;
    int code;
    const char* out;
    const char* errStart;
  };
  const Case cases[] = {
      {{}, 2, "", "usage: tamsendor-results list"},
      {{"lsit"}, 2, "", "usage: "},
      {{"list", "a", "b"}, 2, "", "usage: "},
      {{"compare", "before.json"}, 2, "", "usage: "},
      {{"list", "E:\\Gone"}, 1, "", "Cannot read the folder E:\\Gone: The system cannot find"},
      {{"list"}, 1, "", "Cannot read the folder .: "},
      {{"compare", "before.json", "gone.json"}, 1, "", "Cannot read gone.json: The system"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunTool(c.arguments, TwoBenchmarks());
    const std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(run.code, c.code) << what;
    EXPECT_EQ(run.out, c.out) << what;
    EXPECT_EQ(run.err.rfind(c.errStart, 0), 0u) << what << ": " << run.err;
  }
  const Outcome empty = RunTool({"list", kFolder}, {});
  EXPECT_EQ(empty.code, 0);
  EXPECT_EQ(empty.out, "No results files in D:\\Benchmarks\n");
  const Outcome tooLarge =
      RunTool({"list", kFolder}, {{"huge.json", std::string(kResultsFileLimit + 1, ' ')}});
  EXPECT_EQ(tooLarge.err, "Skipped D:\\Benchmarks\\huge.json: too large for a results file\n");
}

// Benchmarks either side of the change to summer time list in the order they ran.
TEST(ResultsToolTest, ListOrderIsTheMomentsNotTheTexts) {
  auto started = [](const char* iso) {
    BenchmarkResults results;
    results.Started = iso;
    results.Resolutions.push_back({"1024 \xC3\x97 768", 1024, 768, false, "d", 1, 1, 1});
    return results;
  };
  const std::string table = ListTable({
      {"c.json", started("not a time")},
      {"a.json", started("2026-03-29T02:30:00+01:00")},  // 01:30 UTC
      {"b.json", started("2026-03-29T03:10:00+02:00")},  // 01:10 UTC
      {"d.json", started("2025-12-31T23:59:59-05:00")},  // 2026-01-01 04:59 UTC
  });
  const auto at = [&](const char* name) { return table.find(name); };
  EXPECT_LT(at("d.json"), at("b.json")) << table;
  EXPECT_LT(at("b.json"), at("a.json")) << table;
  EXPECT_LT(at("a.json"), at("c.json")) << table;
}

TEST(ResultsToolTest, FiguresAsATableShowsThem) {
  const std::pair<double, const char*> cases[] = {
      {80, "80"},      {61.2, "61.2"},  {79.5, "79.5"},   {42.25, "42.25"},
      {0.125, "0.12"}, {0.375, "0.38"}, {120.999, "121"}, {-0.001, "0"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(FormatFigure(value), text) << value;
}

}  // namespace
}  // namespace tamsendor::results

#include "tools/inspect/inspect.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/fakes/fake_system_folders.h"

namespace tamsendor::inspect {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

// Files by name, read in the fake system's code page.
Outcome InspectFiles(const std::vector<std::string>& arguments,
                     const std::map<std::string, std::string>& files) {
  const InspectIo io{
      [&](const std::string& path, std::string& reason) -> std::optional<std::string> {
        if (const auto found = files.find(path); found != files.end())
          return found->second;
        reason = "The system cannot find the file specified.";
        return std::nullopt;
      },
      [](std::string_view ansi) { return fakes::FakeSystemFolders().AnsiToUtf8(ansi); }};
  Outcome outcome;
  outcome.code = inspect::Inspect(arguments, io, outcome.out, outcome.err);
  return outcome;
}

TEST(InspectTest, TheFourDirectXFactsAsTheReportShowsThem) {
  const std::string report =
      "---------------\r\n   Card name: Radeon X1950 Pro\r\n   Display Memory: 256.0 MB\r\n"
      "   Driver Version: 6.14.10.6614\r\n   Description: H\xE6ndig lyd\r\n";
  const Outcome run = InspectFiles({"dxdiag", "dxinfo.txt"}, {{"dxinfo.txt", report}});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "Graphics card:  Radeon X1950 Pro\nMemory:  256.0 MB\nDriver version:  6.14.10.6614\n"
            "Sound system: H\xC3\xA6ndig lyd\n");
  EXPECT_EQ(run.err, "");

  const Outcome wine =
      InspectFiles({"dxdiag", "wine.txt"}, {{"wine.txt", " Operating System: Wine\r\n"}});
  EXPECT_EQ(wine.code, 0);
  EXPECT_EQ(wine.out,
            "Graphics card: indeterminable\nMemory: indeterminable\nDriver version: "
            "indeterminable\nSound system: indeterminable\n");
}

TEST(InspectTest, TheScoreTheResultReaderTakes) {
  const std::string result =
      "Half-Life 2 Benchmark Results\r\n\r\ndemofile,frame data spreadsheet,frames/sec,\r\n"
      "qordemo1.dem,UNKNOWN, 61.5,  2.0,\r\n";
  const Outcome scored = InspectFiles({"result", "sourcebench.csv"}, {{"sourcebench.csv", result}});
  EXPECT_EQ(scored.code, 0);
  EXPECT_EQ(scored.out, "Score:  61.5\n");
  const Outcome none = InspectFiles({"result", "short.csv"}, {{"short.csv", "Half-Life 2\r\n"}});
  EXPECT_EQ(none.code, 0);
  EXPECT_EQ(none.out, "no result\n");
}

TEST(InspectTest, AFileThatCannotBeReadOrACommandLineItDoesNotKnowGivesTwo) {
  const struct {
    std::vector<std::string> arguments;
    const char* err;
  } cases[] = {
      {{"dxdiag", "missing.txt"},
       "Cannot read missing.txt: The system cannot find the file specified.\n"},
      {{}, "usage:"},
      {{"dxdiag"}, "usage:"},
      {{"report", "x.txt"}, "usage:"},
      {{"result", "x.csv", "y.csv"}, "usage:"},
  };
  for (const auto& c : cases) {
    const Outcome run = InspectFiles(c.arguments, {{"x.txt", ""}, {"x.csv", ""}});
    EXPECT_EQ(run.code, 2) << c.err;
    EXPECT_EQ(run.out, "") << c.err;
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace tamsendor::inspect

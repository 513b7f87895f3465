#include "report/result_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/standins/standin_result_file.h"

namespace tamsendor::report {
namespace {

standin::ResultRecord Record(std::int64_t fpsTenths) {
  standin::ResultRecord record;
  record.demoFile = "qordemo1.dem";
  record.fpsTenths = fpsTenths;
  record.variabilityTenths = fpsTenths / 25;
  record.totalTimeTenths = 247;
  record.width = 1024;
  record.height = 768;
  record.dxlevel = 90;
  return record;
}

TEST(ResultFileTest, The2007FileGivesTheFirstRunsFigureAsWritten) {
  // As the game writes it into a new file, padded to five characters.
  EXPECT_EQ(ReadScoreField(standin::ResultFileHeader() + standin::ResultRow(Record(1214))),
            "121.4");
  EXPECT_EQ(ReadScoreField(standin::ResultFileHeader() + standin::ResultRow(Record(95))), "  9.5");
  // The file is deleted before each run, so a second row can only be a stale run: the first
  // row stays the one read, as it always was.
  EXPECT_EQ(ReadScoreField(standin::ResultFileHeader() + standin::ResultRow(Record(614)) +
                           standin::ResultRow(Record(999))),
            " 61.4");
}

TEST(ResultFileTest, FourthLineThirdFieldWhateverTheLineEnds) {
  struct Case {
    const char* text;
    const char* field;
  };
  const Case cases[] = {
      {"title\r\n\r\nheader\r\na,b,61.234,d,\r\n", "61.234"},
      {"title\n\nheader\na,b,c,d\n", "c"},
      {"title\r\rheader\ra,b,c,d,", "c"},
      {"title\r\n\nheader\ra,b,c,", "c"},  // mixed ends
      {"title\r\n\r\nheader\r\na,b,,d,\r\n", ""},
      {"title\r\n\r\nheader\r\n,,7,", "7"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadScoreField(c.text), c.field) << c.text;
}

TEST(ResultFileTest, AFileTooShortOrARowTooNarrowGivesNothing) {
  const char* cases[] = {
      "",
      "title\r\n\r\nheader\r\n",
      "title\r\n\r\nheader",
      "title\r\n\r\nheader\r\nqordemo1.dem,UNKNOWN\r\n",
      "title\r\n\r\nheader\r\na,b,61.2\r\n",  // no comma after the figure: the row was cut
      "title\r\n\r\nheader\r\n\r\n",
  };
  for (const char* text : cases)
    EXPECT_EQ(ReadScoreField(text), std::nullopt) << text;

  const auto record = Record(614);
  EXPECT_EQ(ReadScoreField(MalformedResultFile(standin::MalformedKind::kShort, record)),
            std::nullopt);
  EXPECT_EQ(ReadScoreField(MalformedResultFile(standin::MalformedKind::kFewFields, record)),
            std::nullopt);
}

TEST(ResultFileTest, ANewerEngineFileGivesTheFpsColumnOfItsLastRun) {
  const char* header = "demofile,fps,framerate variability,totaltime,numframes,width,height,\r\n";
  EXPECT_EQ(ReadScoreField(std::string(header) + "a.dem, 99.1,  3.0, 17.9,2639,1920,1080,\r\n"),
            " 99.1");
  EXPECT_EQ(ReadScoreField(std::string(header) + "a.dem,147.5, 12.0,\r\n" +
                           "b.dem,111.9,  5.2,\r\n" + "\r\n"),
            "111.9");
  // The column is found by its name, wherever it is.
  EXPECT_EQ(ReadScoreField("demofile,width, fps ,\r\nx.dem,800,55.5,\r\n"), "55.5");
  EXPECT_EQ(ReadScoreField(std::string(header)), std::nullopt);
  EXPECT_EQ(ReadScoreField(std::string(header) + "a.dem\r\n"), std::nullopt);
}

TEST(ResultFileTest, RealNewerEngineSample) {
  const std::filesystem::path sample = std::filesystem::path(TAMSENDOR_TEST_DATA_DIR) / "report" /
                                       "fixtures" / "newer-engine-sourcebench-4runs.csv";
  std::ifstream in(sample, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << sample;
  std::stringstream text;
  text << in.rdbuf();
  // Four runs appended; the last one is the run just made (the fourth line would be a
  // variability figure of the second run).
  EXPECT_EQ(ReadScoreField(text.str()), "112.0");
}

}  // namespace
}  // namespace tamsendor::report

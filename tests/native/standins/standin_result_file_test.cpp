#include "tools/standins/standin_result_file.h"

#include <gtest/gtest.h>

namespace tamsendor::standin {
namespace {

constexpr char kHeader[] =
    "Half-Life 2 Benchmark Results\r\n"
    "\r\n"
    "demofile,frame data spreadsheet,frames/sec,framerate variability,totaltime (sec),width,height,"
    "numframes,dxlevel,backbuffer format,cmdline,driver name,driver desc,driver version,vendor id,"
    "device id,subsys id,revision,whqllevel,forcetrilinear,fastclip,shaderdll,sound,vsync,\r\n";

ResultRecord RecordAt(int width, int height, int dxlevel = 90) {
  GameSettings settings;
  settings.width = width;
  settings.height = height;
  settings.dxlevel = dxlevel;
  return MakeResultRecord("qordemo1", settings, std::nullopt);
}

TEST(StandinResultFileTest, ANewFileAndAnAppendedRowByteForByte) {
  const std::string file = ResultFileHeader() + ResultRow(RecordAt(1024, 768));
  EXPECT_EQ(file, std::string(kHeader) +
                      "qordemo1.dem,UNKNOWN,121.4,  4.8, 24.7,1024,768,3000,90,D3DFMT_X8R8G8B8,"
                      "Tamsendor stand-in,\r\n");
  EXPECT_EQ(ResultRow(RecordAt(1920, 1200, 95)),
            "qordemo1.dem,UNKNOWN, 47.2,  1.8, 63.6,1920,1200,3000,95,D3DFMT_X8R8G8B8,"
            "Tamsendor stand-in,\r\n");
}

TEST(StandinResultFileTest, DemoFileNames) {
  EXPECT_EQ(DemoFileName("qordemo2"), "qordemo2.dem");
  EXPECT_EQ(DemoFileName("mine.DEM"), "mine.DEM");
  EXPECT_EQ(DemoFileName("a,b"), "a_b.dem");
}

TEST(StandinResultFileTest, MalformedFiles) {
  const ResultRecord record = RecordAt(800, 600);
  EXPECT_EQ(MalformedResultFile(MalformedKind::kShort, record), kHeader);
  EXPECT_EQ(MalformedResultFile(MalformedKind::kFewFields, record),
            std::string(kHeader) + "qordemo1.dem,UNKNOWN\r\n");
  EXPECT_EQ(MalformedResultFile(MalformedKind::kBadFps, record),
            std::string(kHeader) +
                "qordemo1.dem,UNKNOWN, 1.#J,  6.5, 18.3,800,600,3000,90,D3DFMT_X8R8G8B8,"
                "Tamsendor stand-in,\r\n");
}

}  // namespace
}  // namespace tamsendor::standin

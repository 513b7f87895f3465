#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/text.h"
#include "tests/win32/standins/standin_fixture.h"
#include "tools/standins/standin_control.h"
#include "tools/standins/standin_result_file.h"

namespace tamsendor::standin::testing {
namespace {

using win32::Widen;

constexpr std::uint32_t kAccessViolation = 0xC0000005;

// The third field of a result row: the frames per second.
std::string FpsField(const std::string& row) {
  const std::size_t first = row.find(',');
  const std::size_t second = row.find(',', first + 1);
  const std::size_t third = row.find(',', second + 1);
  if (third == std::string::npos)
    return "<no third field>";
  return row.substr(second + 1, third - second - 1);
}

class Hl2StandinTest : public StandinTest {
 protected:
  std::string Game(const std::string& options) const { return "\"" + hl2Exe + "\" " + options; }
  std::optional<std::uint32_t> Play(const std::string& options) {
    return Run(Game(options), gameFolder);
  }
  std::vector<std::string> ResultLines() const {
    return Lines(ReadText(Mod("sourcebench.csv")).value_or(""));
  }
  std::vector<std::string> LaunchLog() const {
    return Lines(ReadText(Mod("standin-hl2.log")).value_or(""));
  }
};

TEST_F(Hl2StandinTest, WritesTheEngineFileThenAppendsOneRowPerRun) {
  EXPECT_EQ(Play("-width 1024 -height 768 -dxlevel 90 +timedemoquit qordemo1"), 0u);
  const std::string first =
      "Half-Life 2 Benchmark Results\r\n"
      "\r\n"
      "demofile,frame data spreadsheet,frames/sec,framerate variability,totaltime (sec),width,"
      "height,numframes,dxlevel,backbuffer format,cmdline,driver name,driver desc,driver version,"
      "vendor id,device id,subsys id,revision,whqllevel,forcetrilinear,fastclip,shaderdll,sound,"
      "vsync,\r\n"
      "qordemo1.dem,UNKNOWN,121.4,  4.8, 24.7,1024,768,3000,90,D3DFMT_X8R8G8B8,"
      "Tamsendor stand-in,\r\n";
  EXPECT_EQ(ReadText(Mod("sourcebench.csv")), first);

  EXPECT_EQ(Play("-width 640 -height 480 -dxlevel 95 +timedemoquit qordemo1"), 0u);
  EXPECT_EQ(ReadText(Mod("sourcebench.csv")),
            first +
                "qordemo1.dem,UNKNOWN,191.2,  7.6, 15.7,640,480,3000,95,D3DFMT_X8R8G8B8,"
                "Tamsendor stand-in,\r\n");
  EXPECT_EQ(LaunchLog(), (std::vector<std::string>{
                             Game("-width 1024 -height 768 -dxlevel 90 +timedemoquit qordemo1"),
                             Game("-width 640 -height 480 -dxlevel 95 +timedemoquit qordemo1")}));
}

TEST_F(Hl2StandinTest, NoResultWithoutTheDemoOrTheAutoexec) {
  EXPECT_EQ(Play("-width 800 -height 600 +timedemoquit qordemo2"), 1u);
  EXPECT_EQ(Play("-width 800 -height 600"), 1u);
  ASSERT_TRUE(DeleteFileW(Widen(Mod("cfg\\autoexec.cfg")).c_str()));
  EXPECT_EQ(Play("-width 800 -height 600 +timedemoquit qordemo1"), 1u);
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));
  EXPECT_EQ(LaunchLog().size(), 3u);
}

TEST_F(Hl2StandinTest, SettingsTheProgramWritesLowerTheFigure) {
  const std::string options =
      "-width 1280 -height 1024 -dxlevel 95 +r_fastzreject 1 +timedemoquit qordemo1";
  EXPECT_EQ(Play(options), 0u);
  WriteText(Mod("cfg\\autoexec.cfg"),
            "sv_cheats \"1\"\r\nmat_hdr_level \"2\"\r\nmat_forceaniso \"16\"\r\n"
            "mat_antialias \"4\"\r\n");
  EXPECT_EQ(Play(options), 0u);

  const std::int64_t plain = FpsTenths({1280, 1024, 95, 1, 0, true}, std::nullopt);
  const std::int64_t heavy = FpsTenths({1280, 1024, 95, 4, 2, true}, std::nullopt);
  EXPECT_LT(heavy, plain);
  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(FpsField(lines[3]), FormatTenths(plain));
  EXPECT_EQ(FpsField(lines[4]), FormatTenths(heavy));
}

// The game reads its registry key, and autoexec.cfg then overrides it.
TEST_F(Hl2StandinTest, StoredAntialiasingCountsWhenAutoexecLeavesItOut) {
  const wchar_t* keyPath = L"Software\\Valve\\Source\\ep2\\Settings";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  DWORD previous = 0;
  DWORD size = sizeof previous;
  const bool hadValue =
      RegQueryValueExW(key, L"mat_antialias", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous),
                       &size) == ERROR_SUCCESS;
  const DWORD eight = 8;
  RegSetValueExW(key, L"mat_antialias", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&eight),
                 sizeof eight);

  WriteText(Mod("cfg\\autoexec.cfg"), "mat_hdr_level \"0\"\r\n");
  EXPECT_EQ(Play("-width 1024 -height 768 -dxlevel 90 +timedemoquit qordemo1"), 0u);
  WriteText(Mod("cfg\\autoexec.cfg"), "mat_hdr_level \"0\"\r\nmat_antialias \"2\"\r\n");
  EXPECT_EQ(Play("-width 1024 -height 768 -dxlevel 90 +timedemoquit qordemo1"), 0u);

  if (hadValue)
    RegSetValueExW(key, L"mat_antialias", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous),
                   sizeof previous);
  else
    RegDeleteValueW(key, L"mat_antialias");
  RegCloseKey(key);

  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(FpsField(lines[3]),
            FormatTenths(FpsTenths({1024, 768, 90, 8, 0, false}, std::nullopt)));
  EXPECT_EQ(FpsField(lines[4]),
            FormatTenths(FpsTenths({1024, 768, 90, 2, 0, false}, std::nullopt)));
}

TEST_F(Hl2StandinTest, ASeedJittersEachLaunchPredictably) {
  WriteControl("play_ms=10\r\nseed=7\r\n");
  for (int run = 0; run < 3; ++run)
    EXPECT_EQ(Play("-width 1024 -height 768 -dxlevel 90 +timedemoquit qordemo1"), 0u);
  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 6u);
  for (std::uint32_t launch = 1; launch <= 3; ++launch) {
    EXPECT_EQ(FpsField(lines[2 + launch]),
              FormatTenths(FpsTenths({1024, 768, 90, 1, 0, false}, Jitter{7, launch})))
        << "launch " << launch;
  }
}

TEST_F(Hl2StandinTest, PlaysForTheConfiguredTime) {
  WriteControl("play_ms=200\r\n");
  TestProcess game(Game("-width 800 -height 600 +timedemoquit qordemo1"), gameFolder);
  EXPECT_EQ(game.Wait(), 0u);
  EXPECT_GE(GetTickCount64() - game.startedAt(), 180u);  // tick granularity
  EXPECT_EQ(ResultLines().size(), 4u);
}

TEST_F(Hl2StandinTest, CrashEndsAtOnceWithoutAResult) {
  WriteControl("mode=crash\r\nplay_ms=5000\r\n");
  TestProcess game(Game("-width 800 -height 600 +timedemoquit qordemo1"), gameFolder);
  EXPECT_EQ(game.Wait(3000), kAccessViolation);
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));
  EXPECT_EQ(LaunchLog().size(), 1u);
}

TEST_F(Hl2StandinTest, HangWaitsThenEndsWithoutAResult) {
  WriteControl("mode=hang\r\nhang_ms=200\r\n");
  TestProcess game(Game("-width 800 -height 600 +timedemoquit qordemo1"), gameFolder);
  EXPECT_EQ(game.Wait(), 0u);
  EXPECT_GE(GetTickCount64() - game.startedAt(), 180u);  // tick granularity
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));
}

TEST_F(Hl2StandinTest, NothingWritesNothing) {
  WriteControl("mode=nothing\r\nplay_ms=10\r\n");
  EXPECT_EQ(Play("-width 800 -height 600 +timedemoquit qordemo1"), 0u);
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));
  EXPECT_EQ(LaunchLog().size(), 1u);
}

TEST_F(Hl2StandinTest, MalformedFilesReplaceTheResult) {
  struct Case {
    const char* mode;
    MalformedKind kind;
  };
  const Case cases[] = {
      {"malformed_short", MalformedKind::kShort},
      {"malformed_fields", MalformedKind::kFewFields},
      {"malformed_fps", MalformedKind::kBadFps},
  };
  GameSettings settings;
  settings.width = 800;
  settings.height = 600;
  const ResultRecord record = MakeResultRecord("qordemo1", settings, std::nullopt);
  for (const Case& c : cases) {
    WriteText(Mod("sourcebench.csv"), ResultFileHeader() + ResultRow(record));  // a good one
    WriteControl(std::string("play_ms=10\r\nmode=") + c.mode + "\r\n");
    EXPECT_EQ(Play("-width 800 -height 600 +timedemoquit qordemo1"), 0u) << c.mode;
    EXPECT_EQ(ReadText(Mod("sourcebench.csv")), MalformedResultFile(c.kind, record)) << c.mode;
  }
  EXPECT_LT(Lines(MalformedResultFile(MalformedKind::kShort, record)).size(), 4u);
  EXPECT_EQ(FpsField(ResultLines()[3]), " 1.#J");
}

TEST_F(Hl2StandinTest, ASecondGameProcessOutlivesTheFirstWithoutRunningTheDemo) {
  WriteControl("play_ms=50\r\nsecond_copy_ms=400\r\n");
  TestProcess game(Game("-width 800 -height 600 +timedemoquit qordemo1"), gameFolder);
  EXPECT_TRUE(WaitUntil([this] { return ProcessesBelowTemp(L"hl2.exe").size() == 2; }, 3000))
      << "two game processes at once";
  EXPECT_EQ(game.Wait(), 0u);
  EXPECT_EQ(ProcessesBelowTemp(L"hl2.exe").size(), 1u) << "the second one is still there";
  ASSERT_TRUE(WaitForNoGame());
  EXPECT_EQ(ResultLines().size(), 4u);
  EXPECT_EQ(LaunchLog().size(), 1u);
}

}  // namespace
}  // namespace tamsendor::standin::testing

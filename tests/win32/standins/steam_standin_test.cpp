#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/standins/standin_fixture.h"
#include "tools/standins/standin_result_file.h"

namespace tamsendor::standin::testing {
namespace {

constexpr char kOptions[] =
    "-preload -novid -mat_preloadshaders -nocdaudio -nosound -width 1024 -height 768 "
    "+r_fastzreject 0 -refresh 60 -heapsize 64000 -dxlevel 90 +timedemoquit qordemo1";

std::string ExpectedFirstResult() {
  return ResultFileHeader() +
         "qordemo1.dem,UNKNOWN,121.4,  4.8, 24.7,1024,768,3000,90,D3DFMT_X8R8G8B8,"
         "Tamsendor stand-in,\r\n";
}

using SteamStandinTest = StandinTest;

TEST_F(SteamStandinTest, StartsTheGameWithTheRemainingOptionsAndLeavesBeforeItEnds) {
  WriteControl("play_ms=300\r\n");
  const std::string commandLine =
      "\"" + steamExe + "\" -silent -applaunch 420 " + std::string(kOptions);
  EXPECT_EQ(Run(commandLine, steamFolder + "\\"), 0u);

  // Steam has gone; the game plays on.
  EXPECT_EQ(ProcessesBelowTemp(L"hl2.exe").size(), 1u);
  EXPECT_FALSE(Exists(Mod("sourcebench.csv")));

  ASSERT_TRUE(WaitForNoGame());
  EXPECT_EQ(ReadText(Mod("sourcebench.csv")), ExpectedFirstResult());
  EXPECT_EQ(ReadText(Mod("standin-hl2.log")), "\"" + hl2Exe + "\" " + kOptions + "\r\n");
  EXPECT_EQ(ReadText(steamFolder + "\\standin-steam.log"), commandLine + "\r\n");
}

TEST_F(SteamStandinTest, AnUnquotedPathWithBlanksAsWrittenWithForwardSlashes) {
  std::string unquoted = steamExe;
  for (char& c : unquoted) {
    if (c == '\\')
      c = '/';
  }
  const std::string commandLine = unquoted + " -silent -applaunch 420 " + std::string(kOptions);
  EXPECT_EQ(Run(commandLine, steamFolder), 0u);
  ASSERT_TRUE(WaitForNoGame());
  EXPECT_EQ(ReadText(Mod("standin-hl2.log")), "\"" + hl2Exe + "\" " + kOptions + "\r\n");
  EXPECT_EQ(ReadText(Mod("sourcebench.csv")), ExpectedFirstResult());
}

TEST_F(SteamStandinTest, FindsTheGameNamedInStandinGameTxt) {
  const std::string otherGame = temp / "Games\\half-life 2 episode two";
  InstallGame(otherGame);
  WriteText(steamFolder + "\\standin-game.txt", otherGame + "\\hl2.exe\r\n");

  EXPECT_EQ(
      Run("\"" + steamExe + "\" -applaunch 420 -width 800 -height 600 +timedemoquit qordemo1"), 0u);
  ASSERT_TRUE(WaitForNoGame());
  EXPECT_EQ(Lines(ReadText(otherGame + "\\ep2\\standin-hl2.log").value_or("")),
            std::vector<std::string>{"\"" + otherGame +
                                     "\\hl2.exe\" -width 800 -height 600 +timedemoquit qordemo1"});
  EXPECT_TRUE(Exists(otherGame + "\\ep2\\sourcebench.csv"));
  EXPECT_FALSE(Exists(Mod("standin-hl2.log")));
}

TEST_F(SteamStandinTest, WithoutTheGameExitsWithCode3) {
  WriteText(steamFolder + "\\standin-game.txt", temp / "nowhere\\hl2.exe");
  EXPECT_EQ(Run("\"" + steamExe + "\" -applaunch 420 +timedemoquit qordemo1"), 3u);
  ASSERT_TRUE(DeleteFileW(win32::Widen(steamFolder + "\\standin-game.txt").c_str()));
  ASSERT_TRUE(DeleteFileW(win32::Widen(hl2Exe).c_str()));
  EXPECT_EQ(Run("\"" + steamExe + "\" -applaunch 420 +timedemoquit qordemo1"), 3u);
  EXPECT_EQ(Lines(ReadText(steamFolder + "\\standin-steam.log").value_or("")).size(), 2u);
}

TEST_F(SteamStandinTest, WithoutArgumentsStaysRunningUntilShutdown) {
  TestProcess client("\"" + steamExe + "\"", steamFolder);
  ASSERT_TRUE(client.started()) << "error " << client.startError();
  EXPECT_EQ(WaitForInputIdle(client.handle(), 10000), 0u);
  // Wine reports input idle while it still loads the display driver for the first window.
  EXPECT_TRUE(
      WaitUntil([] { return FindWindowW(L"TamsendorStandinSteam", nullptr) != nullptr; }, 5000));
  EXPECT_EQ(client.Wait(100), std::nullopt) << "the client keeps running";

  // Another start with other options, as a user's shortcut would make, leaves it to the first.
  EXPECT_EQ(Run("\"" + steamExe + "\" -silent"), 0u);
  EXPECT_EQ(client.Wait(0), std::nullopt);

  EXPECT_EQ(Run("\"" + steamExe + "\" -shutdown"), 0u);
  EXPECT_EQ(client.Wait(5000), 0u);
  EXPECT_EQ(FindWindowW(L"TamsendorStandinSteam", nullptr), nullptr);
  EXPECT_EQ(Lines(ReadText(steamFolder + "\\standin-steam.log").value_or("")),
            (std::vector<std::string>{"\"" + steamExe + "\"", "\"" + steamExe + "\" -silent",
                                      "\"" + steamExe + "\" -shutdown"}));
}

TEST_F(SteamStandinTest, ShutdownWithoutARunningClientIsFine) {
  EXPECT_EQ(Run("\"" + steamExe + "\" -shutdown"), 0u);
}

}  // namespace
}  // namespace tamsendor::standin::testing

#include "tools/standins/standin_command_line.h"

#include <gtest/gtest.h>

namespace tamsendor::standin {
namespace {

std::vector<std::string> Texts(std::string_view line) {
  std::vector<std::string> texts;
  for (const CommandLineToken& token : SplitCommandLine(line))
    texts.push_back(token.text);
  return texts;
}

TEST(StandinCommandLineTest, SplitsAsTheCRuntimeDoes) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(Texts(R"("C:\Program Files\Steam\steam.exe" -a "b c" d)"),
            (Words{R"(C:\Program Files\Steam\steam.exe)", "-a", "b c", "d"}));
  EXPECT_EQ(Texts(R"(C:\dir\x.exe a\\"b c" \"q\" e\\f "")"),
            (Words{R"(C:\dir\x.exe)", R"(a\b c)", R"("q")", R"(e\\f)", ""}));
  // The program name knows no escapes and ends at the first blank when unquoted.
  EXPECT_EQ(Texts(R"(C:\a\"b c)"), (Words{R"(C:\a\"b)", "c"}));
  EXPECT_EQ(Texts("  -x"), (Words{"-x"}));
  EXPECT_TRUE(Texts("").empty());
}

TEST(StandinCommandLineTest, TheOptionsAfterApplaunch420StandAsWritten) {
  const std::string line =
      "C:/Program Files (x86)/Steam/steam.exe -silent -applaunch 420 -preload -novid  "
      "-width 1024 -height 768 +r_fastzreject 0 -refresh 60  -dxlevel 90 +timedemoquit qordemo1";
  EXPECT_EQ(AppLaunchOptions(line),
            "-preload -novid  -width 1024 -height 768 +r_fastzreject 0 -refresh 60  -dxlevel 90 "
            "+timedemoquit qordemo1");
  EXPECT_EQ(AppLaunchOptions(R"("C:\S\steam.exe" -APPLAUNCH 420 "+exec my cfg")"),
            R"("+exec my cfg")");
  EXPECT_EQ(AppLaunchOptions(R"("C:\S\steam.exe" -applaunch 420)"), "");
  EXPECT_EQ(AppLaunchOptions(R"("C:\S\steam.exe" -applaunch 220 -x)"), std::nullopt);
  EXPECT_EQ(AppLaunchOptions(R"("C:\S\steam.exe" -silent)"), std::nullopt);
  EXPECT_EQ(AppLaunchOptions(R"(C:\S\-applaunch 420)"), std::nullopt);  // program name only
}

TEST(StandinCommandLineTest, Arguments) {
  EXPECT_TRUE(HasArgument("steam.exe -Shutdown", "-shutdown"));
  EXPECT_FALSE(HasArgument("-shutdown", "-shutdown"));  // that is the program name
  EXPECT_FALSE(HasArgument("steam.exe -shutdownx", "-shutdown"));
}

TEST(StandinCommandLineTest, GameOptions) {
  const GameOptions options = ParseGameOptions(
      R"("C:\G\half-life 2 episode two\hl2.exe" -preload -width 1280 -height 1024 )"
      R"(+r_fastzreject 1 -refresh 75 -heapsize 256000 -dxlevel 95 +timedemoquit qordemo2 )"
      R"(-width 640)");
  EXPECT_EQ(options.width, 1280);  // the first occurrence counts
  EXPECT_EQ(options.height, 1024);
  EXPECT_EQ(options.fastZReject, 1);
  EXPECT_EQ(options.refresh, 75);
  EXPECT_EQ(options.heapsize, 256000);
  EXPECT_EQ(options.dxlevel, 95);
  EXPECT_EQ(options.timedemo, "qordemo2");
  EXPECT_EQ(options.secondCopyMs, std::nullopt);

  const GameOptions odd = ParseGameOptions("hl2.exe -width abc -width 800 -heapsize -dxlevel 90");
  EXPECT_EQ(odd.width, std::nullopt);
  EXPECT_EQ(odd.heapsize, std::nullopt);
  EXPECT_EQ(odd.dxlevel, 90);
  EXPECT_EQ(odd.timedemo, "");

  EXPECT_EQ(ParseGameOptions("hl2.exe -tamsendor_standin_second_copy 250").secondCopyMs, 250);
}

TEST(StandinCommandLineTest, FirstLineOfAFile) {
  EXPECT_EQ(FirstLine("\xEF\xBB\xBF  C:\\Games\\hl2.exe \r\nsecond\r\n"), "C:\\Games\\hl2.exe");
  EXPECT_EQ(FirstLine("D:\\x\\hl2.exe"), "D:\\x\\hl2.exe");
  EXPECT_EQ(FirstLine("\n"), "");
}

}  // namespace
}  // namespace tamsendor::standin

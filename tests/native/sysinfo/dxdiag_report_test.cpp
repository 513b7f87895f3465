#include "sysinfo/dxdiag_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tamsendor::sysinfo {
namespace {

// A report's lines, after the dashes every section of a real one begins with.
std::string Lines(std::initializer_list<const char*> lines, const char* end = "\r\n") {
  std::string text = std::string("---------------") + end;
  for (const char* line : lines)
    text += std::string(line) + end;
  return text;
}

// The parts of a report the searches go through, as a recent Windows writes them.
const std::string kDisplayAndSound = Lines({
    "System Information",
    "------------------",
    "      Operating System: Windows 10 Pro 64-bit (10.0, Build 17134)",
    "---------------",
    "Display Devices",
    "---------------",
    "           Card name: NVIDIA GeForce GTX 1060 6GB",
    "        Manufacturer: NVIDIA",
    "      Display Memory: 14209 MB",
    "         Driver File Version: 25.21.0014.1701 (English)",
    "       Driver Version: 25.21.14.1701",
    "-------------",
    "Sound Devices",
    "-------------",
    "             Description: Speakers (Realtek High Definition Audio)",
    " Default Sound Playback: Yes",
    "             Description: Realtek Digital Output (Realtek High Definition Audio)",
});

void ExpectFacts(const DirectXFacts& facts, const char* card, const char* memory,
                 const char* driver, const char* sound, const std::string& what) {
  EXPECT_EQ(facts.CardName, card) << what;
  EXPECT_EQ(facts.DisplayMemory, memory) << what;
  EXPECT_EQ(facts.DriverVersion, driver) << what;
  EXPECT_EQ(facts.Sound, sound) << what;
}

TEST(DxDiagReportTest, TheFourSearchesKeepTheBlankAfterTheColonButTheSoundDoesNot) {
  ExpectFacts(ReadDxDiagReport(kDisplayAndSound), " NVIDIA GeForce GTX 1060 6GB", " 14209 MB",
              " 25.21.14.1701", "Speakers (Realtek High Definition Audio)", "CR LF");
  std::string lf = kDisplayAndSound;
  std::erase(lf, '\r');
  ExpectFacts(ReadDxDiagReport(lf), " NVIDIA GeForce GTX 1060 6GB", " 14209 MB", " 25.21.14.1701",
              "Speakers (Realtek High Definition Audio)", "LF");
}

// The value is cut by characters: a key after text in another script must not leave half a
// character (found by fuzzing).
TEST(DxDiagReportTest, TheCutCountsCharactersNotBytes) {
  const DirectXFacts facts = ReadDxDiagReport(
      "yx\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
      "Card name: X\n");
  // A line without "=" loses its first character; then ten go: "x", five of "\xC3\xA9", "Card".
  EXPECT_EQ(facts.CardName, " name: X");
}

TEST(DxDiagReportTest, WhatTheSearchesFindInReportsOfTheirKind) {
  const struct {
    const char* what;
    std::string report;
    const char *card, *memory, *driver, *sound;
  } cases[] = {
      {"two cards: the first one's facts, the sound after its driver",
       Lines({"  Card name: Intel(R) UHD Graphics", "  Display Memory: 8192 MB",
              "  Driver Version: 31.0.101.4255", "  Card name: NVIDIA GeForce RTX 4060",
              "  Display Memory: 24200 MB", "  Driver Version: 31.0.15.5244",
              "  Description: 27G2G4 (NVIDIA High Definition Audio)"}),
       " Intel(R) UHD Graphics", " 8192 MB", " 31.0.101.4255",
       "27G2G4 (NVIDIA High Definition Audio)"},
      {"no sound card: an empty description",
       Lines({" Card name: X", " Display Memory: n/a", " Driver Version: 1.0", " Description: "}),
       " X", " n/a", " 1.0", ""},
      {"keys in other letter cases",
       Lines({"   CARD NAME: ATI Radeon X1950 Pro", "   display memory: 256.0 MB",
              "   DRIVER VERSION: 6.14.10.6614", "   DESCRIPTION: SB Live! Audio"}),
       " ATI Radeon X1950 Pro", " 256.0 MB", " 6.14.10.6614", "SB Live! Audio"},
      {"a line whose key is followed by \"=\" has only the text after it as its value",
       Lines({"   Card name: Old=Radeon", "   Card name: GeForce 8800 GTX",
              "   Display Memory: 768 MB", "   Driver Version: 6.14.11.6921",
              "   Description: Realtek HD Audio output"}),
       " GeForce 8800 GTX", " 768 MB", " 6.14.11.6921", "Realtek HD Audio output"},
      {"no display section, as Wine's tool writes: the sound is still found",
       Lines({"System Information", "  Operating System: Windows 10", "Sound Devices",
              "  Description: Wine Audio Device"}),
       "indeterminable", "indeterminable", "indeterminable", "Wine Audio Device"},
      {"nothing at all", "", "indeterminable", "indeterminable", "indeterminable",
       "indeterminable"},
      {"an unfinished last line, with a bare CR end before it",
       "---\n Card name: A\r Display Memory: 64 MB\r\n Driver Version: 2\n Description: Sound",
       " A", " 64 MB", " 2", "Sound"},
      // A line's value is the line without its first character: a label that begins the line
      // loses its first letter and is not found.
      {"labels at the start of their lines",
       Lines({"Card name: A", "Display Memory: 64 MB", "Driver Version: 2", "Description: B"}),
       "indeterminable", "indeterminable", "indeterminable", "indeterminable"},
  };
  for (const auto& c : cases)
    ExpectFacts(ReadDxDiagReport(c.report), c.card, c.memory, c.driver, c.sound, c.what);
}

// Real reports from other machines: labels right-aligned to various widths, "Driver File
// Version" before "Driver Version", several display blocks, values in other code pages.
TEST(DxDiagReportTest, RealReports) {
  const std::filesystem::path folder = std::filesystem::path(TAMSENDOR_SAMPLES_DIR) / "dxdiag";
  if (!std::filesystem::exists(folder))
    GTEST_SKIP() << "no samples at " << folder;
  const struct {
    const char* file;
    const char *card, *memory, *driver, *sound;
  } cases[] = {
      {"01-vista-sp2-ati-hd4800-japanese-cp932.txt", " ATI Radeon HD 4800 Series", " 2425 MB",
       " 8.17.0010.1129 (English)", "Realtek Digital Output (Realtek High Definition Audio)"},
      {"02-win10-1803-nvidia-gtx1060-dual-display.txt", " NVIDIA GeForce GTX 1060 6GB", " 14209 MB",
       " 25.21.14.1701", "Speakers (Realtek High Definition Audio)"},
      {"03-win11-intel-meteorlake-3-displays-danish.txt", " Intel(R) Graphics", " 18491 MB",
       " 32.0.101.6790", "Echo Cancelling Speakerphone (Jabra Speak2 55 MS)"},
      {"07-win7-sp1-amd-mobility-hd5800.txt", " AMD Mobility Radeon HD 5800 Series", " 2772 MB",
       " 14.100.0.0", "Speakers (High Definition Audio Device)"},
      {"08-win11-hybrid-nvidia-rtx4060-intel-uhd-portuguese.txt",
       " NVIDIA GeForce RTX 4060 Laptop GPU", " 24200 MB", " 31.0.15.5244",
       "27G2G4 (NVIDIA High Definition Audio)"},
      {"09-win10-1909-amd-rx5700xt-german-2displays.txt", " AMD Radeon RX 5700 XT", " 40877 MB",
       " 27.20.14501.18003", "Speakers (Realtek(R) Audio)"},
  };
  for (const auto& c : cases) {
    std::ifstream file(folder / c.file, std::ios::binary);
    ASSERT_TRUE(file) << c.file;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    ExpectFacts(ReadDxDiagReport(bytes.str()), c.card, c.memory, c.driver, c.sound, c.file);
  }
}

}  // namespace
}  // namespace tamsendor::sysinfo

#include <gtest/gtest.h>

#include <string>

#include "core/process_runner.h"
#include "core/product_key.h"
#include "sysinfo/directx_facts.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_processes.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_system_folders.h"
#include "tests/fakes/virtual_ui_thread.h"
#include "ui/busy_indicator.h"

namespace tamsendor::sysinfo {
namespace {

constexpr char kTool[] = "C:\\Windows\\system32\\dxdiag.exe";
constexpr char kReport[] =
    "C:\\Users\\Jane Doe\\AppData\\Local\\Temp\\Korvalin Tamsendor\\dxinfo.txt";

const std::string kFullReport =
    "------------------\r\n"
    "           Card name: Radeon X1950 Pro\r\n"
    "      Display Memory: 256.0 MB\r\n"
    "      Driver Version: 6.14.10.6614\r\n"
    "         Description: H\xE6ndig lyd\r\n";
// Wine's tool: no display section.
const std::string kSoundOnly =
    "------------------\r\n      Operating System: Wine\r\n         Description: Wine Audio\r\n";

// A Windows machine as the diagnosis sees it, on fakes: the tool, when it is started, writes
// `written` (nothing when empty) and ends 3 s later.
struct Machine {
  Machine() {
    registry.CreateKey(core::kProductRoot, std::string(core::kProductKey));
    files.AddFile(kTool, "dxdiag");
    files.AddDirectory("C:\\Users\\Jane Doe\\AppData\\Local\\Temp\\");
    runners.dxrun.OnTerminate = [this](core::TJvCreateProcess&, std::uint32_t) {
      information.dxrunTerminate();
    };
    launcher.onStart = [this](std::size_t index, const platform::ProcessStart&) {
      if (!written.empty())
        files.AddFile(kReport, written);
      ui.After(3000, [this, index] { launcher.EndProcess(index, 0); });
    };
    busy.SetVisible(true);
    busy.SetEnabled(true);
  }
  void Diagnose() {
    information.RunDxDiag();
    ui.RunUntilIdle();
  }
  std::string Cached(const char* name) const { return core::ReadProductValue(registry, name); }

  fakes::VirtualUiThread ui;
  fakes::FakeRegistry registry;
  fakes::FakeFileSystem files;
  fakes::FakeSystemFolders folders;
  fakes::FakeDirectXProvider provider;
  fakes::FakeProcessLauncher launcher{ui};
  core::ProcessRunners runners{launcher};
  ui::BusyIndicator busy{"AdvCircularProgress1", ui};
  std::string written = kFullReport;
  int benchmarkStarts = 0;
  std::uint64_t startedAtMs = 0;
  DirectXInformation information{
      {registry, files, folders, provider, ui}, busy, runners.dxrun, [this] {
        ++benchmarkStarts;
        startedAtMs = ui.NowMs();
      }};
};

void ExpectFacts(const DirectXFacts& facts, const DirectXFacts& expected, const char* what) {
  EXPECT_EQ(facts.CardName, expected.CardName) << what;
  EXPECT_EQ(facts.DisplayMemory, expected.DisplayMemory) << what;
  EXPECT_EQ(facts.DriverVersion, expected.DriverVersion) << what;
  EXPECT_EQ(facts.Sound, expected.Sound) << what;
}

TEST(DirectXInformationTest, TheToolsReportIsReadInTheCodePageCachedAndDeleted) {
  Machine m;
  m.Diagnose();
  ASSERT_EQ(m.launcher.starts().size(), 1u);
  // Quoted, and among the user's temporary files: the program's folder is not writable for a
  // standard user, and the folders hold blanks.
  EXPECT_EQ(m.launcher.starts()[0].commandLine,
            std::string("\"") + kTool + "\" /whql:on /t \"" + kReport + "\"");
  EXPECT_EQ(m.launcher.starts()[0].currentDirectory, "C:\\Windows\\system32");
  ExpectFacts(m.information.Facts(),
              {" Radeon X1950 Pro", " 256.0 MB", " 6.14.10.6614", "H\xC3\xA6ndig lyd"}, "full");
  EXPECT_EQ(m.Cached("Display Memory"), " 256.0 MB");
  EXPECT_EQ(m.Cached("Driver Version"), " 6.14.10.6614");
  EXPECT_EQ(m.Cached("Sound"), "H\xC3\xA6ndig lyd");
  EXPECT_FALSE(m.files.FileExists(kReport));
  EXPECT_EQ(m.provider.queries, 0) << "the report had every fact";
  EXPECT_EQ(m.benchmarkStarts, 1);
  EXPECT_EQ(m.startedAtMs, 3000u + DirectXInformation::kAfterToolMs);
  EXPECT_FALSE(m.busy.Visible());
  EXPECT_FALSE(m.busy.Enabled());

  // The next benchmark of this program run takes the cache; the card name stays known.
  DirectXInformation& information = m.information;
  ASSERT_TRUE(information.TakeCachedFacts());
  ExpectFacts(information.Facts(),
              {" Radeon X1950 Pro", " 256.0 MB", " 6.14.10.6614", "H\xC3\xA6ndig lyd"}, "cache");
}

TEST(DirectXInformationTest, WhatTheReportLacksComesFromTheProviderElseIsIndeterminable) {
  const platform::DirectXDevices wineDevices{"Wine GPU", "128 MB", "1.0.0.0", "Wine Sound"};
  const struct {
    const char* what;
    bool tool;
    std::string written;
    platform::DirectXDevices provided;
    DirectXFacts facts;
    const char* cachedMemory;
  } cases[] = {
      {"no display section, as Wine's tool writes",
       true,
       kSoundOnly,
       wineDevices,
       {" Wine GPU", " 128 MB", " 1.0.0.0", "Wine Audio"},
       " 128 MB"},
      {"no display section and a provider that knows nothing",
       true,
       kSoundOnly,
       {},
       {"indeterminable", "indeterminable", "indeterminable", "Wine Audio"},
       ""},
      {"the tool wrote no report: nothing is cached",
       true,
       "",
       wineDevices,
       {" Wine GPU", " 128 MB", " 1.0.0.0", "Wine Sound"},
       ""},
      {"no tool at all",
       false,
       "",
       wineDevices,
       {" Wine GPU", " 128 MB", " 1.0.0.0", "Wine Sound"},
       ""},
      {"no tool and no provider: the card keeps what it had",
       false,
       "",
       {},
       {"", "indeterminable", "indeterminable", "indeterminable"},
       ""},
  };
  for (const auto& c : cases) {
    Machine m;
    if (!c.tool)
      m.files.RemoveFile(kTool);
    m.written = c.written;
    m.provider.devices = c.provided;
    m.Diagnose();
    EXPECT_EQ(m.launcher.starts().size(), c.tool ? 1u : 0u) << c.what;
    ExpectFacts(m.information.Facts(), c.facts, c.what);
    EXPECT_EQ(m.Cached("Display Memory"), c.cachedMemory) << c.what;
    EXPECT_EQ(m.benchmarkStarts, 1) << c.what;
    EXPECT_FALSE(m.busy.Visible()) << c.what;
  }
}

TEST(DirectXInformationTest, AToolThatCannotStartIsAsIfItWereMissing) {
  Machine m;
  m.launcher.FailStartsWith(platform::OsError(5, "Access is denied."));
  m.provider.devices = {"GPU", "1 GB", "2.0", "Sound"};
  m.Diagnose();
  ExpectFacts(m.information.Facts(), {" GPU", " 1 GB", " 2.0", "Sound"}, "refused");
  EXPECT_EQ(m.benchmarkStarts, 1);
}

TEST(DirectXInformationTest, AReportLeftFromBeforeIsNotTakenForThisDiagnosis) {
  Machine m;
  m.files.AddDirectory("C:\\Users\\Jane Doe\\AppData\\Local\\Temp\\Korvalin Tamsendor\\");
  m.files.AddFile(kReport, kFullReport);
  m.written = "";
  m.Diagnose();
  EXPECT_EQ(m.information.Facts().DisplayMemory, "indeterminable");
  EXPECT_EQ(m.Cached("Display Memory"), "");
}

TEST(DirectXInformationTest, ASecondEndNoticeStartsNoSecondBenchmark) {
  Machine m;
  m.information.RunDxDiag();
  m.information.dxrunTerminate();
  m.information.dxrunTerminate();
  m.ui.RunUntilIdle();
  EXPECT_EQ(m.benchmarkStarts, 1);
}

}  // namespace
}  // namespace tamsendor::sysinfo

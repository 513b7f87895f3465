#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/process_runner.h"
#include "core/product_key.h"
#include "platform/win32/win32_directx_provider.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_ui_thread.h"
#include "sysinfo/directx_facts.h"
#include "tests/fakes/fake_registry.h"
#include "tests/win32/message_pump.h"
#include "ui/busy_indicator.h"

namespace tamsendor::sysinfo {
namespace {

TEST(Win32SystemFoldersTest, TheSystemFolderHoldsTheToolAndTheTemporaryFolderExists) {
  const win32::Win32SystemFolders folders;
  const win32::Win32FileSystem files;
  const std::string system = folders.SystemFolder();
  ASSERT_FALSE(system.empty());
  EXPECT_NE(system.back(), '\\');
  EXPECT_TRUE(files.FileExists(system + "\\dxdiag.exe")) << system;
  const std::string temporary = folders.TemporaryFolder();
  ASSERT_FALSE(temporary.empty());
  EXPECT_EQ(temporary.back(), '\\');
  EXPECT_TRUE(files.DirectoryExists(temporary)) << temporary;
}

// The provider the tool itself asks; Wine's describes its display and sound devices.
TEST(Win32DirectXProviderTest, TheFirstDisplayAndSoundDevices) {
  win32::Win32DirectXProvider provider;
  const platform::DirectXDevices devices = provider.Query();
  EXPECT_FALSE(devices.CardName.empty());
  EXPECT_FALSE(devices.DisplayMemory.empty());
  EXPECT_FALSE(devices.DriverVersion.empty());
  std::printf("card \"%s\", memory \"%s\", driver \"%s\", sound \"%s\"\n", devices.CardName.c_str(),
              devices.DisplayMemory.c_str(), devices.DriverVersion.c_str(),
              devices.SoundDescription.c_str());
}

// The real tool under Wine writes a report without a display section: the provider fills the
// card, its memory and driver; the benchmark starts once, and the report is gone.
TEST(DirectXDiagnosisUnderWineTest, TheRealToolAndTheProvider) {
  win32::Win32UiThread ui;
  fakes::FakeRegistry registry;  // the cache, away from the real machine's
  registry.CreateKey(core::kProductRoot, std::string(core::kProductKey));
  win32::Win32FileSystem files;
  const win32::Win32SystemFolders folders;
  win32::Win32DirectXProvider provider;
  win32::Win32ProcessLauncher launcher(ui);
  core::ProcessRunners runners(launcher);
  ui::BusyIndicator busy("AdvCircularProgress1", ui);
  int benchmarkStarts = 0;
  DirectXInformation information({registry, files, folders, provider, ui}, busy, runners.dxrun,
                                 [&] { ++benchmarkStarts; });
  runners.dxrun.OnTerminate = [&](core::TJvCreateProcess&, std::uint32_t) {
    information.dxrunTerminate();
  };

  information.RunDxDiag();
  ASSERT_TRUE(tamsendor::testing::PumpUntil([&] { return benchmarkStarts > 0; }, 120000));
  tamsendor::testing::PumpUntil([] { return false; }, 1500);  // no second start follows
  EXPECT_EQ(benchmarkStarts, 1);
  const DirectXFacts& facts = information.Facts();
  EXPECT_NE(facts.CardName, "indeterminable");
  EXPECT_NE(facts.DisplayMemory, "indeterminable");
  EXPECT_NE(facts.DriverVersion, "indeterminable");
  EXPECT_EQ(core::ReadProductValue(registry, "Display Memory"), facts.DisplayMemory);
  EXPECT_FALSE(files.FileExists(information.ReportPath()));
  std::printf("card \"%s\", memory \"%s\", driver \"%s\", sound \"%s\"\n", facts.CardName.c_str(),
              facts.DisplayMemory.c_str(), facts.DriverVersion.c_str(), facts.Sound.c_str());
}

}  // namespace
}  // namespace tamsendor::sysinfo

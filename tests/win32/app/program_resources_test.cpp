#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/path_text.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_program_image.h"

namespace tamsendor::win32 {
namespace {

// The program is built beside the tests.
std::string Beside(const std::string& name) {
  return platform::ParentFolder(Win32ProgramImage().ExecutablePath()) + "\\" + name;
}

TEST(ProgramResourcesTest, FileVersionFromTheVersionResource) {
  struct Case {
    std::string path;
    const char* version;
  };
  const Case cases[] = {
      {Beside("tamsendor.exe"), "1.2.0.0"},
      {Beside("sleeper.exe"), ""},  // no version resource
      {Beside("no such program.exe"), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadFileVersion(c.path), c.version) << c.path;
  // This test program has none either.
  EXPECT_EQ(Win32ProgramImage().FileVersion(), "");
}

// The manifest is what gives the program the version 6 common controls, keeps its pixels crisp at
// any DPI and runs it without elevation; a build that lost it would still run, only worse.
TEST(ProgramResourcesTest, TheProgramCarriesItsManifest) {
  HMODULE program = LoadLibraryExW(Widen(Beside("tamsendor.exe")).c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
  const std::string manifest(bytes, SizeofResource(program, found));
  FreeLibrary(program);

  for (const char* part :
       {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
        "WindowsSettings\">true/pm</dpiAware>",
        ">PerMonitorV2, PerMonitor</dpiAwareness>", "<requestedExecutionLevel level=\"asInvoker\""})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace tamsendor::win32

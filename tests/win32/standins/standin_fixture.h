#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/win32/temp_folder.h"

namespace tamsendor::standin::testing {

// A process a test started; ended (by its id) when the test forgot to wait for it.
class TestProcess {
 public:
  TestProcess(const std::string& commandLine, const std::string& currentDirectory);
  ~TestProcess();
  TestProcess(const TestProcess&) = delete;
  TestProcess& operator=(const TestProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD startError() const { return startError_; }  // GetLastError of a start that failed
  HANDLE handle() const { return process_; }
  // The exit code, or nullopt when it is still running after timeoutMs.
  std::optional<std::uint32_t> Wait(DWORD timeoutMs = 10000);
  ULONGLONG startedAt() const { return startedAt_; }

 private:
  HANDLE process_ = nullptr;
  ULONGLONG startedAt_ = 0;
  DWORD startError_ = 0;
};

// A Steam folder and a game folder below a fresh temporary folder, with the built stand-ins
// copied in:
//   <temp>\Program Files (x86)\Steam\steam.exe
//   <temp>\Program Files (x86)\Steam\steamapps\common\half-life 2 episode two\hl2.exe
//   ...\ep2\qordemo1.dem, ...\ep2\cfg\autoexec.cfg (pinning antialiasing and HDR to off, so that
//   values another test left in the game's registry key do not matter), ...\ep2\standin-hl2.ini
//   with a short play time.
class StandinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Where Steam lies below the temporary folder; a fixture may choose another before SetUp.
  std::string steamBelowTemp = "Program Files (x86)\\Steam";

  std::string steamFolder;  // each without a final separator
  std::string gameFolder;
  std::string modFolder;
  std::string steamExe;
  std::string hl2Exe;

  tamsendor::testing::TempFolder temp{"tamsendor-standins"};

  static std::string BuiltProgram(const std::string& name);
  static void MakeFolders(const std::string& path);
  static void WriteText(const std::string& path, const std::string& bytes);
  static std::optional<std::string> ReadText(const std::string& path);
  static bool Exists(const std::string& path);
  static std::vector<std::string> Lines(const std::string& text);  // split at CR LF

  // Sets up a game folder with its hl2.exe, demo and autoexec.cfg.
  void InstallGame(const std::string& folder);
  void WriteControl(const std::string& text) { WriteText(modFolder + "\\standin-hl2.ini", text); }
  std::string Mod(const std::string& name) const { return modFolder + "\\" + name; }

  // Runs a command line to its end; the exit code (nullopt on a time-out).
  std::optional<std::uint32_t> Run(const std::string& commandLine,
                                   const std::string& currentDirectory = "",
                                   DWORD timeoutMs = 10000);
  // "hl2.exe" or "steam.exe" processes started from below the temporary folder.
  std::vector<DWORD> ProcessesBelowTemp(const std::wstring& exeName) const;
  bool WaitForNoGame(DWORD timeoutMs = 10000) const;

  static bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
};

}  // namespace tamsendor::standin::testing

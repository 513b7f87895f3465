// Stand-in for Half-Life 2: Episode Two's hl2.exe, for tests and for the demo on a machine
// without the game. The game folder is this program's folder, the mod folder its ep2\.
//
// It appends its command line to ep2\standin-hl2.log, reads ep2\standin-hl2.ini (see
// standin_control.h), "plays" +timedemoquit NAME for the play time and writes ep2\sourcebench.csv
// as the engine does. Exit codes: 0 played (or misbehaved as asked), 1 no demo ep2\NAME.dem or no
// ep2\cfg\autoexec.cfg (after the play time, without a result), 2 the result could not be written,
// 0xC0000005 the asked-for crash.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tools/standins/standin_command_line.h"
#include "tools/standins/standin_control.h"
#include "tools/standins/standin_fps.h"
#include "tools/standins/standin_result_file.h"
#include "tools/standins/standin_win32.h"

namespace tamsendor::standin {
namespace {

constexpr DWORD kAccessViolation = 0xC0000005;

std::optional<std::uint32_t> StoredValue(HKEY key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

StoredSettings ReadStoredSettings() {
  StoredSettings stored;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Valve\\Source\\ep2\\Settings", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return stored;
  stored.antialias = StoredValue(key, L"mat_antialias");
  stored.hdrLevel = StoredValue(key, L"mat_hdr_level");
  RegCloseKey(key);
  return stored;
}

// A second hl2.exe, as the real game sometimes leaves one behind for a while.
void StartSecondCopy(int lifetimeMs) {
  std::vector<wchar_t> self(MAX_PATH);
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()))) >=
         self.size())
    self.resize(self.size() * 2);
  const std::wstring program(self.data(), length);
  std::wstring commandLine =
      L"\"" + program + L"\" " + FromUtf8(kSecondCopyOption) + L" " + std::to_wstring(lifetimeMs);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

std::uint32_t LineCount(const std::wstring& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  return text ? static_cast<std::uint32_t>(std::count(text->begin(), text->end(), '\n')) : 0;
}

int Play(const std::string& commandLine) {
  const GameOptions options = ParseGameOptions(commandLine);
  if (options.secondCopyMs) {
    Sleep(static_cast<DWORD>(std::max(*options.secondCopyMs, 0)));
    return 0;
  }

  const std::wstring mod = OwnFolder() + L"ep2\\";
  const std::wstring log = mod + L"standin-hl2.log";
  AppendLogLine(log, commandLine);
  const ControlSettings control =
      ParseControlFile(ReadWholeFile(mod + L"standin-hl2.ini").value_or(""));
  if (control.secondCopyMs > 0)
    StartSecondCopy(control.secondCopyMs);

  if (control.mode == GameMode::kCrash)
    TerminateProcess(GetCurrentProcess(), kAccessViolation);  // a crash without a crash dialog
  if (control.mode == GameMode::kHang) {
    Sleep(static_cast<DWORD>(control.hangMs));
    return 0;
  }

  // Settings are read as the game starts; the result is written when the demo has played.
  const bool demoFound =
      !options.timedemo.empty() && IsFile(mod + FromUtf8(DemoFileName(options.timedemo)));
  const std::optional<std::string> autoexec = ReadWholeFile(mod + L"cfg\\autoexec.cfg");
  const GameSettings settings =
      ComposeGameSettings(options, ReadStoredSettings(), autoexec.value_or(""));
  std::optional<Jitter> jitter;
  if (control.seed)
    jitter = Jitter{*control.seed, LineCount(log)};

  Sleep(static_cast<DWORD>(control.playMs));
  if (control.mode == GameMode::kCrashLate)
    TerminateProcess(GetCurrentProcess(), kAccessViolation);

  if (!demoFound || !autoexec)
    return 1;
  if (control.mode == GameMode::kNothing)
    return 0;

  const ResultRecord record = MakeResultRecord(options.timedemo, settings, jitter);
  const std::wstring result = mod + L"sourcebench.csv";
  if (const auto malformed = MalformedKindOf(control.mode))
    return WriteWholeFile(result, MalformedResultFile(*malformed, record)) ? 0 : 2;

  return AppendToFile(result, ResultRow(record), ResultFileHeader()) ? 0 : 2;
}

}  // namespace
}  // namespace tamsendor::standin

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return tamsendor::standin::Play(tamsendor::standin::ToUtf8(GetCommandLineW()));
}

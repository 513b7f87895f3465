// Stand-in for the Steam client, for tests and for the demo on a machine without Steam.
//
//   steam.exe ... -applaunch 420 OPTIONS   starts the game's hl2.exe with OPTIONS and exits 0 at
//                                          once (3: no game, 4: the game could not be started)
//   steam.exe -shutdown                    closes a running stand-in client and exits 0
//   steam.exe [anything else]              keeps running, idle, until closed
//
// The game is the first line of standin-game.txt beside this program, else
// steamapps\common\half-life 2 episode two\hl2.exe below it. Every invocation appends its command
// line to standin-steam.log beside this program.
#include <windows.h>

#include <string>

#include "tools/standins/standin_command_line.h"
#include "tools/standins/standin_win32.h"

namespace tamsendor::standin {
namespace {

constexpr wchar_t kWindowClass[] = L"TamsendorStandinSteam";
constexpr wchar_t kSingleInstanceMutex[] = L"TamsendorStandinSteamRunning";

constexpr int kExitGameMissing = 3;
constexpr int kExitGameNotStarted = 4;

std::wstring GamePath(const std::wstring& steamFolder) {
  if (const auto redirect = ReadWholeFile(steamFolder + L"standin-game.txt")) {
    const std::string path = FirstLine(*redirect);
    if (!path.empty())
      return FromUtf8(path);
  }
  return steamFolder + L"steamapps\\common\\half-life 2 episode two\\hl2.exe";
}

int LaunchGame(const std::wstring& steamFolder, const std::string& options) {
  const std::wstring game = GamePath(steamFolder);
  if (!IsFile(game))
    return kExitGameMissing;
  std::wstring commandLine = L"\"" + game + L"\"";
  if (!options.empty())
    commandLine += L" " + FromUtf8(options);
  const std::wstring gameFolder = FolderOf(game);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(game.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      gameFolder.empty() ? nullptr : gameFolder.c_str(), &startup, &process))
    return kExitGameNotStarted;
  // The real client also leaves before the game ends.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

// The window of a running client. A client that holds the single-instance mutex but has no window
// yet is still starting (under Wine its starter's wait for input idle already returns while the
// first window is being created), so wait for its window a while.
HWND FindClientWindow(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (true) {
    if (HWND window = FindWindowW(kWindowClass, nullptr))
      return window;
    if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, kWindowClass, nullptr))
      return window;
    HANDLE starting = OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutex);
    if (!starting)
      return nullptr;
    CloseHandle(starting);
    if (GetTickCount64() >= deadline)
      return nullptr;
    Sleep(20);
  }
}

// Closes every running stand-in client and waits (a little) until each has gone, so that a test
// or script that asked for the shutdown can rely on it.
int ShutDownRunningClients() {
  for (int round = 0; round < 16; ++round) {
    HWND window = FindClientWindow(5000);
    if (!window)
      return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process) {
      const DWORD waited = WaitForSingleObject(process, 5000);
      CloseHandle(process);
      if (waited != WAIT_OBJECT_0)
        return 1;
    } else {
      Sleep(50);
    }
  }
  return 1;
}

LRESULT CALLBACK ClientWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Like the real client, a second one does not stay: the first keeps serving.
int StayRunning(HINSTANCE instance) {
  HANDLE running = CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
  if (running && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(running);
    return 0;
  }

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ClientWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  // Never shown: it only gives the client a message queue, so that its starter's wait for input
  // idle returns, and a window that -shutdown can find.
  HWND window =
      CreateWindowExW(0, kWindowClass, L"Steam", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  // Wine without a display creates no top-level window; a message-only one still lets the client
  // run and be shut down there.
  if (!window)
    window = CreateWindowExW(0, kWindowClass, L"Steam", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             instance, nullptr);
  int exitCode = window ? 0 : 1;
  MSG message;
  while (window && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (running)
    CloseHandle(running);
  return exitCode;
}

}  // namespace
}  // namespace tamsendor::standin

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace tamsendor::standin;
  const std::string commandLine = ToUtf8(GetCommandLineW());
  const std::wstring folder = OwnFolder();
  AppendLogLine(folder + L"standin-steam.log", commandLine);

  if (const auto options = AppLaunchOptions(commandLine))
    return LaunchGame(folder, *options);
  if (HasArgument(commandLine, "-shutdown"))
    return ShutDownRunningClients();
  return StayRunning(instance);
}

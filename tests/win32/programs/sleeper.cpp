// A small program for the process tests: sleeps for argv[2] milliseconds (default 0), then exits
// with argv[1] (default 0). Copied under other names ("HL2.EXE") to play a game process.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  const unsigned long exitCode = argc > 1 ? std::wcstoul(argv[1], nullptr, 10) : 0;
  const unsigned long sleepMs = argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : 0;
  Sleep(sleepMs);
  return static_cast<int>(exitCode);
}

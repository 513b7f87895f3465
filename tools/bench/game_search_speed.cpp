// Times the game search against the system's own recursive listing, `cmd /c dir /s /b
// ROOT\hl2.exe`, on the same tree in one run: a warm-up of each, then the two in turn, so both
// see the same warm cache and the same background load. Prints the medians and their ratio, and
// checks that both name the same last hl2.exe. The command's time includes starting cmd, as a
// user who runs it pays that too; its start-up alone is printed beside it.
// Beside them it times what the program does first since it reads Steam's own record: the library
// list in STEAM_FOLDER\steamapps\libraryfolders.vdf (written here) naming a second library (made
// in the temporary folder) whose manifest names the game's folder.
// Usage: game_search_speed.exe STEAM_FOLDER [REPETITIONS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/path_text.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_search.h"
#include "platform/win32/win32_file_system.h"
#include "steam/steam_libraries.h"

namespace {

using namespace tamsendor;

constexpr char kGame[] = "hl2.exe";

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs `cmd /c ARGUMENTS` and returns what it printed; the caller times it.
std::string RunCmd(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
    return {};
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::wstring line = L"cmd.exe /c " + arguments;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, chunk, sizeof(chunk), &read, nullptr) && read > 0)
      output.append(chunk, read);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return output;
}

// The last non-empty line of cmd's output (it writes in the console's code page; the tree's
// path to the game is ASCII).
std::string LastLine(const std::string& output) {
  std::string last, current;
  for (char c : output) {
    if (c == '\r' || c == '\n') {
      if (!current.empty())
        last = current;
      current.clear();
    } else {
      current += c;
    }
  }
  return current.empty() ? last : current;
}

struct Figures {
  double median, min, max;
};

Figures Summarize(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return {median, times.front(), times.back()};
}

void Print(const char* what, const Figures& f) {
  std::printf("%-38s median %8.1f ms   (min %.1f, max %.1f)\n", what, f.median, f.min, f.max);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: game_search_speed STEAM_FOLDER [REPETITIONS]\n");
    return 2;
  }
  std::string root = win32::Narrow(argv[1]);
  while (!root.empty() && (root.back() == '\\' || root.back() == '/'))
    root.pop_back();
  const int repetitions =
      argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 7;
  const std::wstring dirArguments =
      L"dir /s /b \"" + win32::Widen(root) + L"\\" + win32::Widen(kGame) + L"\"";

  const win32::Win32FileSearch search;
  // Warm-up: the first walk fills the caches for both.
  const std::string ours = search.FindLast(root + "\\", kGame);
  const std::string theirs = LastLine(RunCmd(dirArguments));
  RunCmd(L"exit");
  std::printf("tree: %s\nlast %s found by the search: %s\nlast %s listed by cmd:         %s\n",
              root.c_str(), kGame, ours.empty() ? "(none)" : ours.c_str(), kGame,
              theirs.empty() ? "(none)" : theirs.c_str());
  if (ours.empty() || !platform::EqualsIgnoringCase(ours, theirs)) {
    std::printf("the two disagree; no figures\n");
    return 1;
  }

  std::vector<double> searchMs, dirMs, startMs;
  for (int i = 0; i < repetitions; ++i) {
    double start = NowMs();
    search.FindLast(root + "\\", kGame);
    searchMs.push_back(NowMs() - start);
    start = NowMs();
    RunCmd(dirArguments);
    dirMs.push_back(NowMs() - start);
    start = NowMs();
    RunCmd(L"exit");
    startMs.push_back(NowMs() - start);
  }
  const Figures searchFigures = Summarize(searchMs);
  const Figures dirFigures = Summarize(dirMs);
  std::printf("repetitions: %d each, warm cache\n", repetitions);
  Print("our search (FindLast)", searchFigures);
  Print("cmd /c dir /s /b ROOT\\hl2.exe", dirFigures);
  Print("  of which starting cmd (cmd /c exit)", Summarize(startMs));
  std::printf("ratio ours / cmd dir: %.2fx (goal: at most 1.00x)\n",
              searchFigures.median / dirFigures.median);

  // The game in a second library, as Steam records it.
  win32::Win32FileSystem files;
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  const std::string library = win32::Narrow(temporary) + "tamsendor-bench-library\\";
  files.WriteBytes(library + "steamapps\\appmanifest_420.acf",
                   "\"AppState\"\r\n{\r\n\t\"appid\"\t\t\"420\"\r\n\t\"installdir\"\t\t\"Half-Life "
                   "2\"\r\n}\r\n");
  files.WriteBytes(library + "steamapps\\common\\Half-Life 2\\hl2.exe", "");
  std::string escaped;
  for (const char c : library.substr(0, library.size() - 1))
    escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  files.WriteBytes(root + "\\steamapps\\libraryfolders.vdf",
                   "\"libraryfolders\"\r\n{\r\n\t\"1\"\r\n\t{\r\n\t\t\"path\"\t\t\"" + escaped +
                       "\"\r\n\t}\r\n}\r\n");
  const auto found = steam::InstalledGameFolder(files, root + "\\", "420", kGame);
  std::printf("game found through Steam's libraries: %s\n", found ? found->c_str() : "(none)");
  std::vector<double> libraryMs;
  for (int i = 0; i < repetitions; ++i) {
    const double start = NowMs();
    steam::InstalledGameFolder(files, root + "\\", "420", kGame);
    libraryMs.push_back(NowMs() - start);
  }
  const Figures libraryFigures = Summarize(libraryMs);
  Print("Steam's library list and manifest", libraryFigures);
  std::printf("ratio walk / library list: %.0fx\n", searchFigures.median / libraryFigures.median);
  return found ? 0 : 1;
}

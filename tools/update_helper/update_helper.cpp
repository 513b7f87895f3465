// tamsendor_update.exe: installs a downloaded release once the program has ended, then starts
// the new program. The program copies this helper into its download folder and starts it from
// there, so that the setup program can replace everything in the program's own folder.
// A console program: the program starts it without a window.
// Usage: tamsendor_update.exe PROCESS_ID SETUP_PATH PROGRAM_PATH
// Exit code 0 when the setup program succeeded and the program was started again.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

// How long the program may take to end after it started this helper.
constexpr DWORD kProgramEndMs = 60000;

// Runs the setup program silently and waits for it; true when it succeeded. The setup program
// asks Windows for the administrator's rights itself.
bool RunSetup(const wchar_t* setup) {
  SHELLEXECUTEINFOW run{};
  run.cbSize = sizeof(run);
  run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
  run.lpVerb = L"open";
  run.lpFile = setup;
  run.lpParameters = L"/S";
  run.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&run) || run.hProcess == nullptr)
    return false;
  WaitForSingleObject(run.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(run.hProcess, &code);
  CloseHandle(run.hProcess);
  return code == 0;
}

bool StartProgram(const wchar_t* program) {
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\" /afterupgrade";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4)
    return 2;
  const DWORD id = static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10));
  if (HANDLE program = OpenProcess(SYNCHRONIZE, FALSE, id)) {
    const DWORD waited = WaitForSingleObject(program, kProgramEndMs);
    CloseHandle(program);
    if (waited != WAIT_OBJECT_0)
      return 3;  // the program did not end: nothing is installed over it
  }
  const bool installed = RunSetup(argv[2]);
  // The program comes back either way: updated, or as it was.
  const bool started = StartProgram(argv[3]);
  return installed && started ? 0 : 1;
}

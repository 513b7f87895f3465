#include "tests/win32/standins/standin_fixture.h"

#include <tlhelp32.h>

#include "platform/win32/text.h"

namespace tamsendor::standin::testing {

using win32::Narrow;
using win32::Widen;

TestProcess::TestProcess(const std::string& commandLine, const std::string& currentDirectory) {
  std::wstring line = Widen(commandLine);
  const std::wstring folder = Widen(currentDirectory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  startedAt_ = GetTickCount64();
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
  } else {
    startError_ = GetLastError();
  }
}

TestProcess::~TestProcess() {
  if (!process_)
    return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

std::optional<std::uint32_t> TestProcess::Wait(DWORD timeoutMs) {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::string StandinTest::BuiltProgram(const std::string& name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string self = Narrow(path);
  return self.substr(0, self.find_last_of("\\/") + 1) + name;
}

void StandinTest::MakeFolders(const std::string& path) {
  for (std::size_t at = path.find_first_of("\\/", 3); at != std::string::npos;
       at = path.find_first_of("\\/", at + 1))
    CreateDirectoryW(Widen(path.substr(0, at)).c_str(), nullptr);
  CreateDirectoryW(Widen(path).c_str(), nullptr);
}

void StandinTest::WriteText(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size()) << path;
}

std::optional<std::string> StandinTest::ReadText(const std::string& path) {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool StandinTest::Exists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> StandinTest::Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
    lines.push_back(text.substr(from, end - from));
  if (from < text.size())
    lines.push_back(text.substr(from) + "<no CR LF>");
  return lines;
}

void StandinTest::InstallGame(const std::string& folder) {
  MakeFolders(folder + "\\ep2\\cfg");
  ASSERT_TRUE(
      CopyFileW(Widen(BuiltProgram("hl2.exe")).c_str(), Widen(folder + "\\hl2.exe").c_str(), FALSE))
      << "hl2.exe is built beside the tests";
  WriteText(folder + "\\ep2\\qordemo1.dem", "HL2DEMO");
  WriteText(folder + "\\ep2\\cfg\\autoexec.cfg",
            "// Fenwright - Maximum details\r\n\r\nmat_hdr_level \"0\"\r\n"
            "mat_antialias \"1\"\r\n");
  WriteText(folder + "\\ep2\\standin-hl2.ini", "play_ms=20\r\n");
}

void StandinTest::SetUp() {
  steamFolder = temp / steamBelowTemp;
  gameFolder = steamFolder + "\\steamapps\\common\\half-life 2 episode two";
  modFolder = gameFolder + "\\ep2";
  steamExe = steamFolder + "\\steam.exe";
  hl2Exe = gameFolder + "\\hl2.exe";
  MakeFolders(steamFolder);
  ASSERT_TRUE(CopyFileW(Widen(BuiltProgram("steam.exe")).c_str(), Widen(steamExe).c_str(), FALSE))
      << "steam.exe is built beside the tests";
  InstallGame(gameFolder);
}

void StandinTest::TearDown() {
  // A failed test may leave a game behind; end exactly those started from this test's folder.
  for (const wchar_t* name : {L"hl2.exe", L"steam.exe"}) {
    for (DWORD id : ProcessesBelowTemp(name)) {
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
      }
    }
  }
}

std::optional<std::uint32_t> StandinTest::Run(const std::string& commandLine,
                                              const std::string& currentDirectory,
                                              DWORD timeoutMs) {
  TestProcess process(commandLine, currentDirectory);
  EXPECT_TRUE(process.started()) << commandLine << ": error " << process.startError();
  return process.Wait(timeoutMs);
}

std::vector<DWORD> StandinTest::ProcessesBelowTemp(const std::wstring& exeName) const {
  wchar_t longRoot[MAX_PATH] = {};
  const std::wstring root = Widen(temp.path());
  if (!GetLongPathNameW(root.c_str(), longRoot, MAX_PATH))
    lstrcpynW(longRoot, root.c_str(), MAX_PATH);
  const std::wstring prefix = std::wstring(longRoot) + L"\\";

  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, exeName.c_str()) != 0)
      continue;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process)
      continue;
    wchar_t image[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (QueryFullProcessImageNameW(process, 0, image, &size) && size > prefix.size() &&
        CompareStringOrdinal(image, static_cast<int>(prefix.size()), prefix.c_str(),
                             static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL)
      ids.push_back(entry.th32ProcessID);
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return ids;
}

bool StandinTest::WaitForNoGame(DWORD timeoutMs) const {
  return WaitUntil([this] { return ProcessesBelowTemp(L"hl2.exe").empty(); }, timeoutMs);
}

bool StandinTest::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline)
      return false;
    Sleep(10);
  }
  return true;
}

}  // namespace tamsendor::standin::testing

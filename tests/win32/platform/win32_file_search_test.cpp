#include "platform/win32/win32_file_search.h"

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/win32/text.h"
#include "tests/win32/folder_listing.h"
#include "tests/win32/temp_folder.h"

namespace tamsendor::win32 {
namespace {

using testing::Listed;
using testing::NamesIn;
using testing::TempFolder;

// The long form, so that trees deeper than MAX_PATH can be built.
std::wstring LongForm(const std::string& path) {
  std::wstring wide = Widen(path);
  for (wchar_t& c : wide)
    if (c == L'/')
      c = L'\\';
  return L"\\\\?\\" + wide;
}

// Makes each entry below `root` with its missing parents: "a\b\" is a folder, "a\b\c.exe" a file.
void MakeTree(const std::string& root, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    const std::string path = root + "\\" + entry;
    for (std::size_t cut = path.find('\\', root.size()); cut != std::string::npos;
         cut = path.find('\\', cut + 1))
      CreateDirectoryW(LongForm(path.substr(0, cut)).c_str(), nullptr);
    if (entry.back() != '\\') {
      const HANDLE file = CreateFileW(LongForm(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
      CloseHandle(file);
    }
  }
}

bool IsReparsePoint(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A folder link made by whatever means the system offers, removed again at the end: a junction
// (what Windows lets any user make), else a symbolic link. Wine 8 makes neither (the reparse
// control fails with ERROR_NOT_SUPPORTED, and CreateSymbolicLinkW reports success but makes
// nothing), yet it shows a host symbolic link as a reparse-point folder; there the link is made
// by the host's own ln.
class FolderLink {
 public:
  static std::unique_ptr<FolderLink> Make(const std::string& link, const std::string& target) {
    if (MakeJunction(link, target))
      return std::unique_ptr<FolderLink>(new FolderLink(link, false, "junction"));
    if (CreateSymbolicLinkW(
            Widen(link).c_str(), Widen(target).c_str(),
            SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
        IsReparsePoint(link))
      return std::unique_ptr<FolderLink>(new FolderLink(link, false, "symbolic link"));
    RemoveDirectoryW(Widen(link).c_str());
    if (RunHostCommand("/bin/ln", {"-s", target, link}) && AwaitReparsePoint(link, true))
      return std::unique_ptr<FolderLink>(new FolderLink(link, true, "host symbolic link"));
    return nullptr;
  }

  ~FolderLink() {
    if (host_) {
      RunHostCommand("/bin/rm", {link_});
      AwaitReparsePoint(link_, false);
    } else {
      RemoveDirectoryW(Widen(link_).c_str());
    }
  }

  const char* kind() const { return kind_; }

 private:
  FolderLink(std::string link, bool host, const char* kind)
      : link_(std::move(link)), host_(host), kind_(kind) {}

  static bool MakeJunction(const std::string& link, const std::string& target) {
    if (!CreateDirectoryW(Widen(link).c_str(), nullptr))
      return false;
    const HANDLE folder =
        CreateFileW(Widen(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
      return false;
    // The mount-point layout of REPARSE_DATA_BUFFER: the NT path, then an empty print name.
    const std::wstring nt = L"\\??\\" + Widen(target);
    const std::size_t nameBytes = nt.size() * sizeof(wchar_t);
    std::vector<BYTE> buffer(8 + 8 + nameBytes + 2 * sizeof(wchar_t), 0);
    const auto put16 = [&](std::size_t at, std::size_t value) {
      const WORD word = static_cast<WORD>(value);
      std::memcpy(&buffer[at], &word, sizeof(word));
    };
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(&buffer[0], &tag, sizeof(tag));
    put16(4, buffer.size() - 8);             // data length
    put16(8, 0);                             // substitute name offset
    put16(10, nameBytes);                    // substitute name length
    put16(12, nameBytes + sizeof(wchar_t));  // print name offset
    put16(14, 0);                            // print name length
    std::memcpy(&buffer[16], nt.data(), nameBytes);
    DWORD returned = 0;
    const BOOL made =
        DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                        static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(folder);
    return made && IsReparsePoint(link);
  }

  // Wine's own way to the host: it starts a host program given by its host path. The program's
  // exit code does not come back through Wine, so callers look at the outcome instead.
  static bool RunHostCommand(const char* program, const std::vector<std::string>& paths) {
    using HostName = char*(CDECL*)(const wchar_t*);
    const auto hostName = reinterpret_cast<HostName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!hostName)
      return false;  // not Wine
    std::string command = program;
    for (const std::string& path : paths) {
      if (path.starts_with("-")) {
        command += " " + path;
        continue;
      }
      char* name = hostName(Widen(path).c_str());
      if (!name)
        return false;
      command += " \"" + std::string(name) + "\"";
      HeapFree(GetProcessHeap(), 0, name);
    }
    std::wstring line = Widen(command);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(Widen(program).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
      return false;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }

  static bool AwaitReparsePoint(const std::string& path, bool present) {
    for (int tries = 0; tries < 100; ++tries) {
      if (IsReparsePoint(path) == present)
        return true;
      Sleep(20);
    }
    return false;
  }

  std::string link_;
  bool host_;
  const char* kind_;
};

// Each folder's own files before its subfolders, subfolders depth first in listing order, the
// last match wins. The tree is laid out after reading the listing order, so the answer holds for
// any file system: files-after-folders, breadth first, reversed order or first-match-wins would
// each name another file.
TEST(Win32FileSearchTest, LastMatchInDepthFirstListingOrderWins) {
  TempFolder temp;
  const std::string root = temp / "Steam";
  MakeTree(root, {"steamapps\\", "bin\\", "config\\", "steam.exe", "readme.txt"});
  const std::vector<std::string> order = NamesIn(root, Listed::FoldersOnly);
  ASSERT_EQ(order.size(), 3u);
  const std::string& first = order[0];
  const std::string& second = order[1];
  MakeTree(root, {"hl2.exe", first + "\\half-life 2 episode two\\hl2.exe",
                  first + "\\half-life 2 episode two\\ep2\\cfg\\config.cfg", second + "\\hl2.exe",
                  second + "\\hl2.dll", order[2] + "\\hl2.exe.old"});

  EXPECT_EQ(Win32FileSearch().FindLast(root + "\\", "hl2.exe"), root + "\\" + second + "\\hl2.exe");
}

TEST(Win32FileSearchTest, NamesMatchWithoutRegardToCaseAndOnlyWhole) {
  struct Case {
    const char* what;
    std::vector<std::string> entries;
    const char* sought;
    const char* expected;  // below the root; empty for no match
  };
  const Case cases[] = {
      // The decoys lie below the match, so any of them matching would win over it.
      {"upper case",
       {"game\\HL2.EXE", "game\\decoys\\hl2.exe\\", "game\\decoys\\hl2.exe.bak",
        "game\\decoys\\xhl2.exe", "game\\decoys\\hl2.ex", "game\\decoys\\hl2_exe"},
       "hl2.exe",
       "game\\HL2.EXE"},
      {"no game, only a folder of that name",
       {"steamapps\\common\\other\\game.exe", "steamapps\\hl2.exe\\"},
       "hl2.exe",
       ""},
      {"beyond ASCII",
       {"mods\\\xC3\x84RGER.TXT", "mods\\sub\\ARGER.TXT"},
       "\xC3\xA4rger.txt",
       "mods\\\xC3\x84RGER.TXT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    MakeTree(temp.path(), c.entries);
    const std::string expected = *c.expected ? temp / c.expected : "";
    EXPECT_EQ(Win32FileSearch().FindLast(temp.path() + "\\", c.sought), expected);
  }
}

// A link inside the game folder leads back up the tree. Followed, it would find the game again
// and again below itself, each time later in the order than the real one.
TEST(Win32FileSearchTest, DoesNotEnterLinksThatLeadBackUp) {
  TempFolder temp;
  const std::string steamapps = temp / "steamapps";
  const std::string game = steamapps + "\\common\\half-life 2 episode two";
  MakeTree(temp.path(), {"steamapps\\common\\half-life 2 episode two\\hl2.exe"});
  const auto link = FolderLink::Make(game + "\\back", steamapps);
  if (!link)
    GTEST_SKIP() << "this system makes no folder links";
  SCOPED_TRACE(link->kind());

  EXPECT_EQ(Win32FileSearch().FindLast(temp.path() + "\\", "hl2.exe"), game + "\\hl2.exe");
}

// Deep workshop trees pass MAX_PATH. The path comes back as the caller wrote the folder (here
// with Steam's forward slashes), without the long-path form used inside.
TEST(Win32FileSearchTest, FindsBeyondMaxPathAndAnswersInTheCallersForm) {
  TempFolder temp;
  std::string deep;
  for (int level = 0; level < 12; ++level)
    deep += "workshop content folder " + std::to_string(level) + "\\";
  MakeTree(temp.path(), {deep + "hl2.exe"});
  ASSERT_GT(temp.path().size() + deep.size(), static_cast<std::size_t>(MAX_PATH));

  std::string forward = temp.path() + "/";
  for (char& c : forward)
    if (c == '\\')
      c = '/';
  EXPECT_EQ(Win32FileSearch().FindLast(forward, "hl2.exe"), forward + deep + "hl2.exe");
}

TEST(Win32FileSearchTest, NothingToSearchFindsNothing) {
  TempFolder temp;
  MakeTree(temp.path(), {"hl2.exe"});
  const Win32FileSearch search;
  EXPECT_EQ(search.FindLast(temp / "missing\\", "hl2.exe"), "");
  EXPECT_EQ(search.FindLast(temp / "hl2.exe", "hl2.exe"), "") << "a file is no folder";
  EXPECT_EQ(search.FindLast("", "hl2.exe"), "");
  EXPECT_EQ(search.FindLast(temp.path() + "\\", ""), "");
}

}  // namespace
}  // namespace tamsendor::win32

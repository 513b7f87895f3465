#include "platform/win32/win32_file_dialogs.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32/text.h"
#include "tests/win32/temp_folder.h"

namespace tamsendor::win32 {
namespace {

using testing::TempFolder;

// Plays the user of a dialog from another thread: waits for the dialog with that title, then
// either types a path into its name field and presses OK, or cancels it. A question the dialog
// asks after OK is answered with `answer` (IDYES, IDNO); after a No the dialog is cancelled.
class DialogUser {
 public:
  DialogUser(const std::string& title, std::string typed, int answer = IDNO)
      : title_(Widen(title)), typed_(Widen(typed)), answer_(answer), worker_([this] { Run(); }) {}
  ~DialogUser() { Finish(); }
  // Waits until the user has done all they would.
  void Finish() {
    if (worker_.joinable())
      worker_.join();
  }
  bool FoundDialog() const { return found_; }
  bool WasAsked() const { return asked_; }
  // What the name field held when the dialog came up; read after Finish.
  std::string NameShown() const { return Narrow(nameShown_); }

 private:
  static BOOL CALLBACK FindNameField(HWND child, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Edit") != 0 || !IsWindowVisible(child))
      return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }

  // Another dialog box (a message box) that the dialog's thread shows over it.
  static HWND FindQuestion(HWND dialog) {
    struct Search {
      HWND dialog;
      HWND found;
    } search{dialog, nullptr};
    EnumThreadWindows(
        GetWindowThreadProcessId(dialog, nullptr),
        [](HWND window, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          wchar_t className[32] = {};
          GetClassNameW(window, className, 32);
          if (window == s->dialog || !IsWindowVisible(window) ||
              lstrcmpW(className, L"#32770") != 0)
            return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  void Run() {
    HWND dialog = nullptr;
    for (int i = 0; i < 300 && dialog == nullptr; ++i) {
      Sleep(50);
      dialog = FindWindowW(nullptr, title_.c_str());
      if (dialog != nullptr && !IsWindowVisible(dialog))
        dialog = nullptr;
    }
    if (dialog == nullptr)
      return;
    found_ = true;
    Sleep(200);  // let it finish filling its views
    if (typed_.empty()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    HWND field = nullptr;
    EnumChildWindows(dialog, &DialogUser::FindNameField, reinterpret_cast<LPARAM>(&field));
    if (field != nullptr) {
      wchar_t shown[MAX_PATH] = {};
      SendMessageW(field, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(shown));
      nameShown_ = shown;
      SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed_.c_str()));
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(dialog); ++i) {
      Sleep(50);
      HWND question = FindQuestion(dialog);
      if (asked_ || question == nullptr)
        continue;
      asked_ = true;
      Sleep(100);
      PostMessageW(question, WM_COMMAND, answer_, 0);
      if (answer_ != IDYES)
        break;  // the dialog stays up, waiting for another name
    }
    // Should the dialog not accept the text, end it rather than leave the test hanging.
    Sleep(100);
    if (HWND question = FindQuestion(dialog))
      PostMessageW(question, WM_COMMAND, IDNO, 0);
    if (IsWindow(dialog))
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  std::wstring title_;
  std::wstring typed_;
  int answer_;
  std::wstring nameShown_;
  std::atomic<bool> found_{false};
  std::atomic<bool> asked_{false};
  std::thread worker_;
};

TEST(Win32FileDialogsTest, TheChosenFolderComesBackAsItsPath) {
  TempFolder temp;
  CreateDirectoryW(Widen(temp / "Results").c_str(), nullptr);
  Win32FileDialogs dialogs;
  std::optional<std::string> chosen;
  {
    DialogUser user("Results folder", temp / "Results");
    chosen = dialogs.PickFolder("Results folder", "");
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(
      CompareStringOrdinal(Widen(*chosen).c_str(), -1, Widen(temp / "Results").c_str(), -1, TRUE),
      CSTR_EQUAL)
      << *chosen;
}

TEST(Win32FileDialogsTest, TheChosenFileComesBackAsItsPath) {
  TempFolder temp;
  const std::string game = temp / "half-life 2 episode two";
  CreateDirectoryW(Widen(game).c_str(), nullptr);
  const std::string exe = game + "\\hl2.exe";
  CloseHandle(CreateFileW(Widen(exe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  Win32FileDialogs dialogs;
  std::optional<std::string> chosen;
  {
    DialogUser user("Browse for HL2 ETWO executable", exe);
    chosen = dialogs.OpenFile("Browse for HL2 ETWO executable",
                              "HL2 ETWO executable (hl2.exe)|hl2.exe", "");
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(CompareStringOrdinal(Widen(*chosen).c_str(), -1, Widen(exe).c_str(), -1, TRUE),
            CSTR_EQUAL)
      << *chosen;
}

// A bare name typed into the dialog lies in the folder the dialog shows.
TEST(Win32FileDialogsTest, TheDialogsOpenAtTheFolderTheyAreGiven) {
  TempFolder temp;
  const std::string game = temp / "half-life 2 episode two";
  CreateDirectoryW(Widen(game).c_str(), nullptr);
  CreateDirectoryW(Widen(game + "\\ep2").c_str(), nullptr);
  const std::string exe = game + "\\hl2.exe";
  CloseHandle(CreateFileW(Widen(exe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  Win32FileDialogs dialogs;
  std::optional<std::string> file, folder;
  {
    DialogUser user("Browse for HL2 ETWO executable", "hl2.exe");
    file = dialogs.OpenFile("Browse for HL2 ETWO executable",
                            "HL2 ETWO executable (hl2.exe)|hl2.exe", game + "\\");
  }
  {
    DialogUser user("Results folder", "ep2");
    folder = dialogs.PickFolder("Results folder", game);
  }
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(CompareStringOrdinal(Widen(*file).c_str(), -1, Widen(exe).c_str(), -1, TRUE),
            CSTR_EQUAL)
      << *file;
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(
      CompareStringOrdinal(Widen(*folder).c_str(), -1, Widen(game + "\\ep2").c_str(), -1, TRUE),
      CSTR_EQUAL)
      << *folder;
}

constexpr char kSaveTitle[] = "Save the report as";
constexpr char kHtmlFiles[] = "HTML files (*.htm)|*.htm";
constexpr char kSuggested[] = "result_2007_11_23__21_05_07.htm";

std::string DocumentsFolder() {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path)))
    folder = Narrow(path);
  CoTaskMemFree(path);
  return folder;
}

bool SamePath(const std::string& a, const std::string& b) {
  return CompareStringOrdinal(Widen(a).c_str(), -1, Widen(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

TEST(Win32FileDialogsTest, TheSaveDialogOpensInDocumentsWithTheSuggestedName) {
  const std::string documents = DocumentsFolder();
  ASSERT_FALSE(documents.empty());
  TempFolder temp;
  struct Case {
    std::string typed;
    std::string expected;
  };
  // Nothing is written: the dialog only names the file.
  const Case cases[] = {
      {"Tamsendor dialog test.htm", documents + "\\Tamsendor dialog test.htm"},
      // A name without an extension gets the suggested name's.
      {"Tamsendor dialog test", documents + "\\Tamsendor dialog test.htm"},
      {temp / "elsewhere.htm", temp / "elsewhere.htm"},
  };
  for (const Case& c : cases) {
    Win32FileDialogs dialogs;
    std::optional<std::string> chosen;
    std::string shown;
    {
      DialogUser user(kSaveTitle, c.typed);
      chosen = dialogs.SaveFile(kSaveTitle, kHtmlFiles, kSuggested);
      user.Finish();
      shown = user.NameShown();
      EXPECT_FALSE(user.WasAsked()) << c.typed;
    }
    EXPECT_EQ(shown, kSuggested);
    ASSERT_TRUE(chosen.has_value()) << c.typed;
    EXPECT_TRUE(SamePath(*chosen, c.expected)) << *chosen << " for " << c.typed;
  }
}

TEST(Win32FileDialogsTest, TheSaveDialogReplacesAFileOnlyWhenTheUserSaysSo) {
  TempFolder temp;
  const std::string existing = temp / "result.htm";
  CloseHandle(CreateFileW(Widen(existing).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  Win32FileDialogs dialogs;
  {
    DialogUser user(kSaveTitle, existing, IDYES);
    const std::optional<std::string> chosen = dialogs.SaveFile(kSaveTitle, kHtmlFiles, kSuggested);
    EXPECT_TRUE(user.WasAsked());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(SamePath(*chosen, existing)) << *chosen;
  }
  {
    DialogUser user(kSaveTitle, existing, IDNO);
    EXPECT_FALSE(dialogs.SaveFile(kSaveTitle, kHtmlFiles, kSuggested).has_value());
    EXPECT_TRUE(user.WasAsked());
  }
}

TEST(Win32FileDialogsTest, CancelledDialogsChooseNothing) {
  Win32FileDialogs dialogs;
  {
    DialogUser user("Results folder", "");
    EXPECT_FALSE(dialogs.PickFolder("Results folder", "").has_value());
    // Not a dialog that failed to come up: it was there, titled as asked, and was cancelled.
    EXPECT_TRUE(user.FoundDialog());
  }
  {
    DialogUser user("Browse for HL2 ETWO executable", "");
    EXPECT_FALSE(
        dialogs
            .OpenFile("Browse for HL2 ETWO executable", "HL2 ETWO executable (hl2.exe)|hl2.exe", "")
            .has_value());
    EXPECT_TRUE(user.FoundDialog());
  }
  {
    DialogUser user(kSaveTitle, "");
    EXPECT_FALSE(dialogs.SaveFile(kSaveTitle, kHtmlFiles, kSuggested).has_value());
    EXPECT_TRUE(user.FoundDialog());
  }
}

}  // namespace
}  // namespace tamsendor::win32

#include "platform/win32/win32_file_dialogs.h"

#include <windows.h>

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
// either types a path into its name field and presses OK, or cancels it.
class DialogUser {
 public:
  DialogUser(const std::string& title, std::string typed)
      : title_(Widen(title)), typed_(Widen(typed)), worker_([this] { Run(); }) {}
  ~DialogUser() { worker_.join(); }
  bool FoundDialog() const { return found_; }

 private:
  static BOOL CALLBACK FindNameField(HWND child, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Edit") != 0 || !IsWindowVisible(child))
      return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
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
    if (field != nullptr)
      SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed_.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // Should the dialog not accept the text, end it rather than leave the test hanging.
    for (int i = 0; i < 100 && IsWindow(dialog); ++i)
      Sleep(50);
    if (IsWindow(dialog))
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  std::wstring title_;
  std::wstring typed_;
  std::atomic<bool> found_{false};
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
}

}  // namespace
}  // namespace tamsendor::win32

// The check for a newer release against a fake server: each of its ends shows one message, and
// nothing downloaded stays unless it is installed.
#include <gtest/gtest.h>

#include <string>

#include "platform/path_text.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_network.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/virtual_ui_thread.h"
#include "update/sha256.h"
#include "update/updater.h"

namespace tamsendor::update {
namespace {

constexpr char kInfoAddress[] = "https://updates.example/tamsendor.inf";
constexpr char kFolder[] = "C:\\Users\\me\\AppData\\Local\\Temp\\Korvalin Tamsendor update\\";
const std::string kSetup = "the new setup program";
const std::string kReadme = "what is new";

struct Fixture {
  Fixture() {
    updater.SetVersionNumber("1.2.0.0");
    files.AddDirectory("C:\\Users\\me\\AppData\\Local\\Temp");
  }

  std::string Info(const std::string& version, const std::string& setupHash) const {
    return "#version=" + version +
           "\r\n#url=https://updates.example/setup.exe\r\n#sha256=" + setupHash +
           "\r\n#url0=https://updates.example/readme.txt\r\n#sha2560=" + Sha256Hex(kReadme) +
           "\r\n#message={Version " + version + " is out.}\r\n";
  }
  void Check(const std::string& info) {
    updater.RzShapeButton1Click();
    fetcher.Finish(platform::FetchedPage{"text/plain", info});
  }
  std::size_t FilesInFolder() const {
    std::size_t count = 0;
    for (const auto& [path, bytes] : files.Files())
      if (path.rfind(platform::PathKey(kFolder), 0) == 0)
        ++count;
    return count;
  }

  fakes::VirtualUiThread ui;
  fakes::FakeFileSystem files;
  fakes::FakePageFetcher fetcher;
  fakes::FakeFileDownloader downloads{files};
  fakes::FakeDialogs dialogs;
  ui::Form wizard{"TUpdateWizard"};
  ui::Label fileLabel{"FileLabel"}, filesLabel{"FilesLabel"}, rateLabel{"RateLabel"},
      timeLabel{"TimeLeftLabel"};
  ui::Button cancel{"CancelButton"};
  std::vector<std::string> installed;
  bool installGoesAhead = true;
  Updater updater{{fetcher, downloads, dialogs, files, ui},
                  {wizard, fileLabel, filesLabel, rateLabel, timeLabel, cancel},
                  kInfoAddress,
                  kFolder,
                  [this](const std::string& setup) {
                    installed.push_back(setup);
                    return installGoesAhead;
                  }};
};

TEST(UpdaterTest, TheOutcomesBeforeAnyDownload) {
  const struct {
    const char* what;
    std::optional<std::string> info;  // nothing: the server cannot be reached
    bool yes;
    const char* message;
  } cases[] = {
      {"the same version",
       "#version=1.2.0.0\r\n#url=https://u.example/s.exe\r\n#sha256=" + Sha256Hex(kSetup), true,
       "No update available."},
      {"an older version", "#version=1.1.9.9\r\n", true, "No update available."},
      {"no server", std::nullopt, true, "No internet connection."},
      {"garbage", std::string("\x01\x02\xff garbage"), true, "No update available."},
      {"a newer version without #url", "#version=1.10.0.0\r\n#message={New!}\r\n", true,
       "No update available."},
      {"a newer version over plain http",
       "#version=1.10.0.0\r\n#url=http://u.example/s.exe\r\n#sha256=" + Sha256Hex(kSetup), true,
       "No update available."},
      {"one of two files over plain http",
       "#version=1.10.0.0\r\n#url=https://u.example/s.exe\r\n#sha256=" + Sha256Hex(kSetup) +
           "\r\n#url0=http://u.example/r.txt\r\n#sha2560=" + Sha256Hex(kReadme),
       true, "No update available."},
      {"Later",
       "#version=1.10.0.0\r\n#url=https://u.example/s.exe\r\n#sha256=" + Sha256Hex(kSetup) +
           "\r\n#message={New!}",
       false, "Update aborted."},
      {"Later to a release without a message",
       "#version=1.10.0.0\r\n#url=https://u.example/s.exe\r\n#sha256=" + Sha256Hex(kSetup), false,
       "Update aborted."},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.dialogs.answers = {c.yes};
    f.updater.RzShapeButton1Click();
    ASSERT_EQ(f.fetcher.fetched, std::vector<std::string>{kInfoAddress}) << c.what;
    // The information file is read up to its limit only.
    EXPECT_EQ(f.fetcher.maxBytes, kInfoFileLimit);
    f.fetcher.Finish(c.info ? std::optional<platform::FetchedPage>({"text/plain", *c.info})
                            : std::nullopt);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{c.message}) << c.what;
    for (const std::string& question : f.dialogs.questions)
      EXPECT_TRUE(question == "New!" || question == "Version 1.10.0.0 is available.") << question;
    EXPECT_TRUE(f.downloads.addresses.empty()) << c.what;
    EXPECT_FALSE(f.updater.Busy()) << c.what;
    EXPECT_FALSE(f.wizard.Visible()) << c.what;
  }
}

TEST(UpdaterTest, ANewerReleaseIsAskedForDownloadedCheckedAndInstalled) {
  Fixture f;
  f.dialogs.answers = {true};
  f.Check(f.Info("1.10.0.0", Sha256Hex(kSetup)));
  EXPECT_EQ(f.dialogs.questions, std::vector<std::string>{"Version 1.10.0.0 is out."});
  EXPECT_EQ(f.dialogs.choices, std::vector<std::string>{"Yes!/Later"});
  EXPECT_TRUE(f.wizard.Visible());
  ASSERT_EQ(f.downloads.addresses.size(), 1u);
  EXPECT_EQ(f.fileLabel.Caption(), "File: setup.exe");
  EXPECT_EQ(f.filesLabel.Caption(), "All files: 1 of 2");

  f.ui.AdvanceBy(2000);
  f.downloads.Report(200 * 1024, 1000 * 1024);
  EXPECT_EQ(f.rateLabel.Caption(), "Transfer rate: 100 KB/s");
  EXPECT_EQ(f.timeLabel.Caption(), "Time left: 8 s");
  f.downloads.Finish(platform::DownloadEnd::Complete, kSetup);
  ASSERT_EQ(f.downloads.addresses.size(), 2u);
  EXPECT_EQ(f.filesLabel.Caption(), "All files: 2 of 2");
  // A second click while the check runs starts nothing.
  f.updater.RzShapeButton1Click();
  EXPECT_EQ(f.fetcher.fetched.size(), 1u);
  f.downloads.Finish(platform::DownloadEnd::Complete, kReadme);

  EXPECT_EQ(f.installed, std::vector<std::string>{std::string(kFolder) + "1-setup.exe"});
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_FALSE(f.wizard.Visible());
  EXPECT_FALSE(f.updater.Busy());
}

TEST(UpdaterTest, EveryDownloadThatEndsWithoutAnInstallLeavesNothing) {
  const struct {
    const char* what;
    void (*end)(Fixture&);
    const char* message;
  } cases[] = {
      {"a hash mismatch",
       [](Fixture& f) { f.downloads.Finish(platform::DownloadEnd::Complete, "a tampered file"); },
       "The downloaded file setup.exe is not the one the update server lists. It was discarded "
       "and nothing was installed."},
      {"the second file's hash",
       [](Fixture& f) {
         f.downloads.Finish(platform::DownloadEnd::Complete, kSetup);
         f.downloads.Finish(platform::DownloadEnd::Complete, "not the readme");
       },
       "The downloaded file readme.txt is not the one the update server lists. It was discarded "
       "and nothing was installed."},
      {"Cancel", [](Fixture& f) { f.cancel.HandleClick(); }, "Update aborted."},
      {"the window closed", [](Fixture& f) { f.wizard.Close(); }, "Update aborted."},
      {"a lost connection", [](Fixture& f) { f.downloads.Finish(platform::DownloadEnd::Lost); },
       "The connection to the update server was lost while downloading setup.exe. Nothing was "
       "installed."},
      {"a missing file", [](Fixture& f) { f.downloads.Finish(platform::DownloadEnd::Missing); },
       "The file setup.exe of the update is missing on the server. Nothing was installed."},
      {"an install that cannot go ahead",
       [](Fixture& f) {
         f.installGoesAhead = false;
         f.downloads.Finish(platform::DownloadEnd::Complete, kSetup);
         f.downloads.Finish(platform::DownloadEnd::Complete, kReadme);
       },
       "Update aborted."},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.dialogs.answers = {true};
    f.Check(f.Info("1.10.0.0", Sha256Hex(kSetup)));
    c.end(f);
    EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(f.FilesInFolder(), 0u) << c.what;
    EXPECT_FALSE(f.wizard.Visible()) << c.what;
    EXPECT_FALSE(f.updater.Busy()) << c.what;
    EXPECT_FALSE(f.downloads.Running()) << c.what;
    if (std::string(c.what) != "an install that cannot go ahead") {
      EXPECT_TRUE(f.installed.empty()) << c.what;
    }
    // The check can be repeated at once.
    f.updater.RzShapeButton1Click();
    EXPECT_EQ(f.fetcher.fetched.size(), 2u) << c.what;
  }
}

}  // namespace
}  // namespace tamsendor::update

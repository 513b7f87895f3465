#include "platform/win32/win32_file_downloader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/local_server.h"
#include "tests/win32/message_pump.h"

namespace tamsendor::win32 {
namespace {

using testing::LocalServer;
using testing::Response;

class Win32FileDownloaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / "tamsendor-download-test";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "1-setup.exe").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::optional<platform::DownloadEnd> DownloadAndWait(const std::string& address,
                                                       std::uint64_t maxBytes = 1 << 20) {
    std::optional<platform::DownloadEnd> end;
    downloader_.Download(
        address, path_, maxBytes,
        [&](const platform::DownloadProgress& progress) {
          EXPECT_EQ(GetCurrentThreadId(), uiThreadId_);
          last_ = progress;
        },
        [&](platform::DownloadEnd result) {
          EXPECT_EQ(GetCurrentThreadId(), uiThreadId_);
          end = result;
        });
    tamsendor::testing::PumpUntil([&] { return end.has_value(); }, 20000);
    return end;
  }
  std::optional<std::string> Read() const {
    std::ifstream in(path_, std::ios::binary);
    if (!in)
      return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Every file left in the folder: nothing half-written may stay.
  std::size_t FilesLeft() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_))
      ++count;
    return count;
  }

  DWORD uiThreadId_ = GetCurrentThreadId();
  Win32UiThread ui_;
  Win32FileDownloader downloader_{ui_};
  std::filesystem::path folder_;
  std::string path_;
  platform::DownloadProgress last_;
};

TEST_F(Win32FileDownloaderTest, TheFileArrivesWithItsProgressOnTheUserInterfaceThread) {
  std::string body(300000, '\0');
  for (std::size_t i = 0; i < body.size(); ++i)
    body[i] = static_cast<char>(i * 7);
  LocalServer server(Response("200 OK", "application/octet-stream", body));
  EXPECT_EQ(DownloadAndWait(server.Address("/setup.exe")), platform::DownloadEnd::Complete);
  EXPECT_EQ(Read(), body);
  EXPECT_EQ(last_.received, body.size());
  EXPECT_EQ(last_.total, body.size());
  EXPECT_EQ(FilesLeft(), 1u);
}

TEST_F(Win32FileDownloaderTest, AMissingFileALostServerOrATooLargeFileLeaveNothing) {
  {
    LocalServer server(Response("404 Not Found", "text/html", "gone"));
    EXPECT_EQ(DownloadAndWait(server.Address("/setup.exe")), platform::DownloadEnd::Missing);
  }
  EXPECT_EQ(DownloadAndWait("http://127.0.0.1:1/setup.exe"), platform::DownloadEnd::Lost);
  {
    LocalServer server(Response("200 OK", "application/octet-stream", std::string(5000, 'x')));
    EXPECT_EQ(DownloadAndWait(server.Address("/setup.exe"), 4000), platform::DownloadEnd::Lost);
  }
  {
    // The server announces more than it sends, then closes: the transfer broke off.
    LocalServer server(
        "HTTP/1.1 200 OK\r\nContent-Length: 9000\r\nConnection: close\r\n\r\nonly this much");
    EXPECT_EQ(DownloadAndWait(server.Address("/setup.exe")), platform::DownloadEnd::Lost);
  }
  EXPECT_EQ(FilesLeft(), 0u);
}

TEST_F(Win32FileDownloaderTest, ACancelDoesNotWaitAndLeavesNothing) {
  LocalServer server("", false);
  bool called = false;
  downloader_.Download(
      server.Address("/setup.exe"), path_, 1 << 20,
      [&](const platform::DownloadProgress&) { called = true; },
      [&](platform::DownloadEnd) { called = true; });
  tamsendor::testing::PumpUntil([&] { return server.Connections() > 0; }, 10000);
  const ULONGLONG before = GetTickCount64();
  downloader_.Cancel();
  EXPECT_LT(GetTickCount64() - before, 1000u);
  tamsendor::testing::PumpUntil([] { return false; }, 500);
  EXPECT_FALSE(called);
  EXPECT_EQ(FilesLeft(), 0u);
}

}  // namespace
}  // namespace tamsendor::win32

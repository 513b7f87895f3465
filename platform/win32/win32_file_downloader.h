#pragma once

#include <memory>

#include "platform/file_downloader.h"
#include "platform/ui_thread.h"

namespace tamsendor::win32 {

// Downloads with WinHTTP, without a proxy, on a thread of its own into a temporary file beside
// the destination, renamed to it once complete. A cancelled download is let go: its thread
// removes its file and ends by itself (each step has a time limit) or with the process.
class Win32FileDownloader : public platform::FileDownloader {
 public:
  explicit Win32FileDownloader(platform::Dispatcher& ui) : ui_(ui) {}
  ~Win32FileDownloader() override { Cancel(); }
  Win32FileDownloader(const Win32FileDownloader&) = delete;
  Win32FileDownloader& operator=(const Win32FileDownloader&) = delete;

  void Download(const std::string& address, const std::string& path, std::uint64_t maxBytes,
                OnProgress progress, Done done) override;
  void Cancel() override;

  // What the download thread shares with this object.
  struct Job;

 private:
  platform::Dispatcher& ui_;
  std::shared_ptr<Job> job_;
};

}  // namespace tamsendor::win32

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_downloader.h"
#include "platform/file_system.h"
#include "platform/online_check.h"
#include "platform/page_fetcher.h"

namespace tamsendor::fakes {

// Answers as the test set: offline (true), online (false), or no way to tell (nothing).
class FakeOnlineCheck : public platform::OnlineCheck {
 public:
  std::optional<bool> offline = true;
  int checks = 0;
  std::optional<bool> IsOffline() override {
    ++checks;
    return offline;
  }
};

// Records each fetch; the test ends the running one with Finish.
class FakePageFetcher : public platform::PageFetcher {
 public:
  std::vector<std::string> fetched;
  std::size_t maxBytes = 0;
  int cancels = 0;

  void Fetch(const std::string& address, std::size_t limit, Done done) override {
    fetched.push_back(address);
    maxBytes = limit;
    done_ = std::move(done);
  }
  void Cancel() override {
    ++cancels;
    done_ = nullptr;
  }
  bool Running() const { return static_cast<bool>(done_); }
  // The running fetch ends with this page (or its failure); nothing happens when none runs.
  void Finish(std::optional<platform::FetchedPage> page) {
    if (auto done = std::move(done_)) {
      done_ = nullptr;
      done(std::move(page));
    }
  }

 private:
  Done done_;
};

// Records each download; the test ends the running one with Finish, which writes the file's
// bytes on a complete download, and can report progress on the way.
class FakeFileDownloader : public platform::FileDownloader {
 public:
  explicit FakeFileDownloader(platform::FileSystem& files) : files_(files) {}
  std::vector<std::string> addresses;
  std::vector<std::string> paths;
  int cancels = 0;

  void Download(const std::string& address, const std::string& path, std::uint64_t,
                OnProgress progress, Done done) override {
    addresses.push_back(address);
    paths.push_back(path);
    progress_ = std::move(progress);
    done_ = std::move(done);
  }
  void Cancel() override {
    ++cancels;
    done_ = nullptr;
    progress_ = nullptr;
  }
  bool Running() const { return static_cast<bool>(done_); }
  void Report(std::uint64_t received, std::uint64_t total) {
    if (progress_)
      progress_({received, total});
  }
  void Finish(platform::DownloadEnd end, const std::string& bytes = "") {
    if (auto done = std::move(done_)) {
      done_ = nullptr;
      progress_ = nullptr;
      if (end == platform::DownloadEnd::Complete)
        files_.WriteBytes(paths.back(), bytes);
      done(end);
    }
  }

 private:
  platform::FileSystem& files_;
  OnProgress progress_;
  Done done_;
};

}  // namespace tamsendor::fakes

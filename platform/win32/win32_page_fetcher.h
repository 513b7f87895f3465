#pragma once

#include <memory>
#include <string>

#include "platform/page_fetcher.h"
#include "platform/ui_thread.h"

namespace tamsendor::win32 {

// Fetches with WinHTTP on a thread of its own, so neither a slow server nor the end of the
// program waits for the network: a cancelled fetch is let go, and its thread ends by itself when
// WinHTTP gives up (each step has a time limit) or with the process.
class Win32PageFetcher : public platform::PageFetcher {
 public:
  // `direct`: without a proxy (the update check's way), else through the system's.
  explicit Win32PageFetcher(platform::Dispatcher& ui, bool direct = false)
      : ui_(ui), direct_(direct) {}
  ~Win32PageFetcher() override { Cancel(); }
  Win32PageFetcher(const Win32PageFetcher&) = delete;
  Win32PageFetcher& operator=(const Win32PageFetcher&) = delete;

  void Fetch(const std::string& address, std::size_t maxBytes, Done done) override;
  void Cancel() override;

  // What the fetch thread shares with this object.
  struct Job;

 private:
  platform::Dispatcher& ui_;
  bool direct_;
  std::shared_ptr<Job> job_;
};

}  // namespace tamsendor::win32

#pragma once

#include <optional>
#include <string>
#include <vector>

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

}  // namespace tamsendor::fakes

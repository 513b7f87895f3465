#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/ui_thread.h"

namespace tamsendor::fakes {

// The user-interface thread in virtual time: posted work and timers run only when a test lets
// the clock move, so a whole benchmark of many minutes runs in milliseconds.
class VirtualUiThread : public platform::Dispatcher, public platform::Timers {
 public:
  void Post(std::function<void()> work) override;
  platform::TimerId After(std::uint32_t milliseconds, std::function<void()> work) override;
  void Cancel(platform::TimerId id) override;

  std::uint64_t NowMs() const override { return now_; }
  std::size_t PendingTimers() const { return timers_.size(); }

  // Runs the posted work (and what it posts in turn) without moving the clock.
  void RunPosted();
  // Moves the clock forward, running posted work and every timer that falls due on the way.
  void AdvanceBy(std::uint64_t milliseconds);
  // Moves the clock to each next timer until none is left or the limit is reached; returns
  // false when timers are still pending at the limit.
  bool RunUntilIdle(std::uint64_t limitMs = 24ull * 3600 * 1000);

 private:
  bool RunNextDueTimer(std::uint64_t until);

  std::uint64_t now_ = 0;
  platform::TimerId nextId_ = 1;
  // Ordered by due time, then by the order they were set.
  std::map<std::pair<std::uint64_t, platform::TimerId>, std::function<void()>> timers_;
  std::vector<std::function<void()>> posted_;
};

}  // namespace tamsendor::fakes

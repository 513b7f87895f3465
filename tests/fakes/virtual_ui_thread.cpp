#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::fakes {

void VirtualUiThread::Post(std::function<void()> work) {
  posted_.push_back(std::move(work));
}

platform::TimerId VirtualUiThread::After(std::uint32_t milliseconds, std::function<void()> work) {
  const platform::TimerId id = nextId_++;
  timers_.emplace(std::make_pair(now_ + milliseconds, id), std::move(work));
  return id;
}

void VirtualUiThread::Cancel(platform::TimerId id) {
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->first.second == id) {
      timers_.erase(it);
      return;
    }
  }
}

void VirtualUiThread::RunPosted() {
  while (!posted_.empty()) {
    auto batch = std::move(posted_);
    posted_.clear();
    for (auto& work : batch)
      work();
  }
}

bool VirtualUiThread::RunNextDueTimer(std::uint64_t until) {
  RunPosted();
  if (timers_.empty() || timers_.begin()->first.first > until)
    return false;
  auto node = timers_.extract(timers_.begin());
  now_ = node.key().first;
  node.mapped()();
  RunPosted();
  return true;
}

void VirtualUiThread::AdvanceBy(std::uint64_t milliseconds) {
  const std::uint64_t until = now_ + milliseconds;
  while (RunNextDueTimer(until)) {
  }
  now_ = until;
}

bool VirtualUiThread::RunUntilIdle(std::uint64_t limitMs) {
  const std::uint64_t until = now_ + limitMs;
  while (RunNextDueTimer(until)) {
  }
  return timers_.empty();
}

}  // namespace tamsendor::fakes

#include "core/event_trail.h"

#include <utility>

namespace tamsendor::core {

// Holds the lock for a reading, or goes on without it when it does not come soon.
class EventTrail::Reading {
 public:
  explicit Reading(std::timed_mutex& mutex)
      : mutex_(mutex), locked_(mutex.try_lock_for(std::chrono::milliseconds(200))) {}
  ~Reading() {
    if (locked_)
      mutex_.unlock();
  }
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

 private:
  std::timed_mutex& mutex_;
  bool locked_;
};

EventTrail::EventTrail(Clock clock) : clock_(std::move(clock)) {
  if (!clock_) {
    const auto start = std::chrono::steady_clock::now();
    clock_ = [start] {
      return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                            std::chrono::steady_clock::now() - start)
                                            .count());
    };
  }
  entries_.reserve(kCapacity);
}

void EventTrail::Add(std::string text) {
  Entry entry{clock_(), std::move(text)};
  std::lock_guard lock(mutex_);
  if (entries_.size() < kCapacity) {
    entries_.push_back(std::move(entry));
  } else {
    entries_[next_] = std::move(entry);
    next_ = (next_ + 1) % kCapacity;
  }
}

void EventTrail::SetActivity(std::string activity) {
  Add("now " + activity);
  std::lock_guard lock(mutex_);
  activity_ = std::move(activity);
}

std::vector<EventTrail::Entry> EventTrail::Entries() const {
  Reading reading(mutex_);
  std::vector<Entry> ordered;
  ordered.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i)
    ordered.push_back(entries_[(next_ + i) % entries_.size()]);
  return ordered;
}

std::string EventTrail::Activity() const {
  Reading reading(mutex_);
  return activity_;
}

EventTrail& ProgramTrail() {
  static EventTrail trail;
  return trail;
}

}  // namespace tamsendor::core

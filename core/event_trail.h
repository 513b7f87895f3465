#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tamsendor::core {

// The program's last steps (benchmark steps, launches, game exits) and what it is doing now,
// kept in memory for a crash report. Entries hold paths at most, nothing else of the user's.
// Any thread may add; the oldest entries give way to the newest.
class EventTrail {
 public:
  static constexpr std::size_t kCapacity = 48;
  struct Entry {
    std::uint64_t ms = 0;  // since the trail began
    std::string text;
    bool operator==(const Entry&) const = default;
  };
  using Clock = std::function<std::uint64_t()>;

  // Without a clock, milliseconds of the steady clock since the trail was made.
  explicit EventTrail(Clock clock = {});

  void Add(std::string text);
  // What the program is doing now: "idle", "starting a benchmark", "resolution 2 of 3, run 1 of
  // 2"... The change is an entry of the trail as well.
  void SetActivity(std::string activity);

  // Oldest first. For a crash: the lock is waited for briefly only, as the crashed thread may
  // hold it; then the entries are read as they are.
  std::vector<Entry> Entries() const;
  std::string Activity() const;

 private:
  class Reading;

  Clock clock_;
  mutable std::timed_mutex mutex_;
  std::vector<Entry> entries_;  // a ring once full
  std::size_t next_ = 0;
  std::string activity_ = "idle";
};

// The trail of this program run.
EventTrail& ProgramTrail();

}  // namespace tamsendor::core

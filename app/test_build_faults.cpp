#include "app/test_build_faults.h"

#include <exception>
#include <stdexcept>

namespace tamsendor::app {

namespace {

constexpr std::uint32_t kPollMs = 250;

// Kept out of line and named, so that the crash report has a function of ours to point at.
[[gnu::noinline]] void WriteThroughNullPointer() {
  // Volatile both ways: the compiler may neither see that it is null nor drop the write.
  volatile int* volatile target = nullptr;
  *target = 1;
}

[[gnu::noinline]] int OverflowStack(int depth) {
  volatile char frame[4096];
  frame[0] = static_cast<char>(depth);
  if (depth < 0)
    return 0;  // never: it only keeps the compiler from seeing a recursion without end
  return OverflowStack(depth + 1) + frame[0];
}

void WatchForGame(platform::Timers& timers, const core::EventTrail& trail, int pollsInRun) {
  timers.After(kPollMs, [&timers, &trail, pollsInRun] {
    const bool running = trail.Activity().starts_with("resolution");
    const int polls = running ? pollsInRun + 1 : 0;
    if (polls * kPollMs >= 2000)
      WriteThroughNullPointer();
    WatchForGame(timers, trail, polls);
  });
}

}  // namespace

TestFault TestFaultNamed(std::string_view name) {
  if (name == "null-write-during-game")
    return TestFault::NullWriteDuringGame;
  if (name == "timer-exception")
    return TestFault::TimerException;
  if (name == "terminate")
    return TestFault::Terminate;
  if (name == "stack-overflow")
    return TestFault::StackOverflow;
  return TestFault::None;
}

void ArmTestFault(TestFault fault, platform::Timers& timers, const core::EventTrail& trail) {
  switch (fault) {
    case TestFault::None:
      break;
    case TestFault::NullWriteDuringGame:
      WatchForGame(timers, trail, 0);
      break;
    case TestFault::TimerException:
      timers.After(7000,
                   [] { throw std::runtime_error("a fault on purpose in a timer's handler"); });
      break;
    case TestFault::Terminate:
      timers.After(7000, [] { std::terminate(); });
      break;
    case TestFault::StackOverflow:
      timers.After(7000, [] { OverflowStack(0); });
      break;
  }
}

}  // namespace tamsendor::app

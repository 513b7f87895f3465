#pragma once

#include <cstdint>
#include <functional>

namespace tamsendor::platform {

// Hands work to the user-interface thread. Post may be called from any thread; the function runs
// later on the user-interface thread, in the order posted.
class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  virtual void Post(std::function<void()> work) = 0;
};

using TimerId = std::uint64_t;

// One-shot timers on the user-interface thread. Every wait of the program goes through here
// instead of a blocking sleep, so the window stays responsive.
class Timers {
 public:
  virtual ~Timers() = default;
  virtual TimerId After(std::uint32_t milliseconds, std::function<void()> work) = 0;
  // Cancelling a timer that has fired or was cancelled already does nothing.
  virtual void Cancel(TimerId id) = 0;
  // Milliseconds on a clock that only moves forward (not the time of day), for measuring how
  // long something took.
  virtual std::uint64_t NowMs() const = 0;
};

}  // namespace tamsendor::platform

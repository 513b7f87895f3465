#pragma once

#include <cstdint>

#include "platform/ui_thread.h"

namespace tamsendor::benchmarks {

// Shortens every wait by a factor, so a test under Wine runs a benchmark's real sequence of
// waits in seconds instead of minutes. Only tests and benchmark programs use it; the program
// keeps the full waits.
class ScaledTimers : public platform::Timers {
 public:
  ScaledTimers(platform::Timers& inner, std::uint32_t divisor) : inner_(inner), divisor_(divisor) {}
  platform::TimerId After(std::uint32_t milliseconds, std::function<void()> work) override {
    return inner_.After(milliseconds / divisor_, std::move(work));
  }
  void Cancel(platform::TimerId id) override { inner_.Cancel(id); }
  std::uint64_t NowMs() const override { return inner_.NowMs() * divisor_; }

 private:
  platform::Timers& inner_;
  std::uint32_t divisor_;
};

}  // namespace tamsendor::benchmarks

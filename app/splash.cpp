#include "app/splash.h"

namespace tamsendor::app {

void Splash::ShowSplash(std::uint32_t milliseconds, std::function<void()> then) {
  Cancel();
  if (milliseconds == 0) {
    // The start-up benchmark's build: no splash at all, not even a flash of one.
    then();
    return;
  }
  then_ = std::move(then);
  box_ = std::make_unique<TAboutBox>(timers_);
  window_ = application_.OpenWindow(box_->Form(), box_->Controls());
  box_->Form().Show();
  box_->Form().Repaint();
  timer_ = timers_.After(milliseconds, [this] { Finish(); });
}

void Splash::Finish() {
  timer_.reset();
  Dismiss();
  // Moved out first: what follows may show another splash.
  auto then = std::move(then_);
  then_ = nullptr;
  if (then)
    then();
}

void Splash::Cancel() {
  if (timer_)
    timers_.Cancel(*timer_);
  timer_.reset();
  then_ = nullptr;
  Dismiss();
}

void Splash::Dismiss() {
  if (box_ == nullptr)
    return;
  box_->Form().Close();
  window_.reset();
  box_.reset();
}

}  // namespace tamsendor::app

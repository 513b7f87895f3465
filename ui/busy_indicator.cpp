#include "ui/busy_indicator.h"

namespace tamsendor::ui {

BusyIndicator::BusyIndicator(std::string name, platform::Timers& timers)
    : Control(std::move(name)), timers_(timers) {
  ActivityChanged();
}

BusyIndicator::~BusyIndicator() {
  if (timer_)
    timers_.Cancel(*timer_);
}

void BusyIndicator::ActivityChanged() {
  const bool shouldSpin = Enabled() && Visible();
  if (shouldSpin && !timer_) {
    ScheduleStep();
  } else if (!shouldSpin && timer_) {
    timers_.Cancel(*timer_);
    timer_.reset();
  }
}

void BusyIndicator::ScheduleStep() {
  timer_ = timers_.After(kStepMs, [this] {
    timer_.reset();
    Set(step_, (step_ + 1) % kSegments, Property::Step);
    if (Enabled() && Visible() && !timer_)
      ScheduleStep();
  });
}

}  // namespace tamsendor::ui

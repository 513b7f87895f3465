#pragma once

#include <optional>

#include "platform/ui_thread.h"
#include "ui/control.h"

namespace tamsendor::ui {

// A circle of segments that steps round every 100 ms while it is both enabled and visible.
// Step is the segment in transition; the few behind it are active, the rest inactive.
class BusyIndicator : public Control {
 public:
  static constexpr std::uint32_t kStepMs = 100;
  static constexpr int kSegments = 12;
  static constexpr int kActiveTrail = 3;

  BusyIndicator(std::string name, platform::Timers& timers);
  ~BusyIndicator() override;

  int Step() const { return step_; }
  bool Spinning() const { return timer_.has_value(); }

  Color ActiveColor() const { return activeColor_; }
  void SetActiveColor(Color color) { Set(activeColor_, color, Property::Colors); }
  Color InactiveColor() const { return inactiveColor_; }
  void SetInactiveColor(Color color) { Set(inactiveColor_, color, Property::Colors); }
  Color TransitionColor() const { return transitionColor_; }
  void SetTransitionColor(Color color) { Set(transitionColor_, color, Property::Colors); }

 protected:
  void ActivityChanged() override;

 private:
  void ScheduleStep();

  platform::Timers& timers_;
  std::optional<platform::TimerId> timer_;
  int step_ = 0;
  Color activeColor_{0, 0, 128};
  Color inactiveColor_ = kSilver;
  Color transitionColor_{128, 128, 255};
};

}  // namespace tamsendor::ui

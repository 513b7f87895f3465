#pragma once

#include <string>

#include "platform/ui_thread.h"
#include "ui/control_set.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace tamsendor::ui {

// A window that is its form and the controls made from its layout, nothing more; windows with
// behaviour own handler objects beside these.
class LaidOutForm {
 public:
  LaidOutForm(std::string name, Layout layout, platform::Timers& timers)
      : form_(std::move(name)), controls_(std::move(layout), timers) {}
  LaidOutForm(const LaidOutForm&) = delete;
  LaidOutForm& operator=(const LaidOutForm&) = delete;

  ui::Form& Form() { return form_; }
  ControlSet& Controls() { return controls_; }
  const ControlSet& Controls() const { return controls_; }

 private:
  ui::Form form_;
  ControlSet controls_;
};

}  // namespace tamsendor::ui

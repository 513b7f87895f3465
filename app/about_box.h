#pragma once

#include "platform/ui_thread.h"
#include "ui/laid_out_form.h"
#include "ui/layout.h"

namespace tamsendor::app {

// The about box's one control: the program's picture over the whole window.
ui::Layout AboutBoxLayout();

// The about box: the program's picture alone on a borderless window that stays on top, in the
// middle of the screen. No controls, no handlers. The start-up splash is a short-lived one.
class TAboutBox : public ui::LaidOutForm {
 public:
  explicit TAboutBox(platform::Timers& timers);
};

}  // namespace tamsendor::app

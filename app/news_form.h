#pragma once

#include "platform/ui_thread.h"
#include "ui/laid_out_form.h"
#include "ui/layout.h"

namespace tamsendor::app {

// The news window's controls: it has none, the window is all it shows.
ui::Layout NewsFormLayout();

// The news window: a small always-on-top window for the maker's news page. Created hidden at
// start-up; closing it only hides it.
class TForm5 : public ui::LaidOutForm {
 public:
  explicit TForm5(platform::Timers& timers);
};

}  // namespace tamsendor::app

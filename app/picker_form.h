#pragma once

#include "app/main_form.h"
#include "app/resolution_picker.h"
#include "platform/display.h"
#include "platform/registry.h"
#include "platform/ui_thread.h"
#include "ui/laid_out_form.h"

namespace tamsendor::app {

// The custom resolution picker window: its controls, made from its layout, the picker behaviour
// and the wiring, including the main window's "Possibilities" button that opens it. Made once at
// start-up, after the main window, and kept for the whole program run; hidden until opened.
class TForm3 : public ui::LaidOutForm {
 public:
  TForm3(TForm1& mainWindow, platform::Registry& registry, const platform::DisplayModes& display,
         platform::Timers& timers);
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

 private:
  void Connect(MainControls& mainWindow);

  ResolutionPicker picker_;
};

}  // namespace tamsendor::app

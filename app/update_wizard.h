#pragma once

#include "platform/ui_thread.h"
#include "ui/laid_out_form.h"
#include "ui/layout.h"
#include "update/updater.h"

namespace tamsendor::app {

ui::Layout UpdateWizardLayout();

// The download window of an update: the file being downloaded, which of all the files it is,
// the transfer rate and the time left, and Cancel. Created hidden; the updater shows it.
class TUpdateWizard : public ui::LaidOutForm {
 public:
  explicit TUpdateWizard(platform::Timers& timers);
  update::WizardControls Parts();
};

}  // namespace tamsendor::app

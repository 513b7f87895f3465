#pragma once

#include "ui/control_set.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace tamsendor::app {

// The main window's controls, where they sit and what they show.
ui::Layout MainFormLayout();

// The design properties beyond the layout: the window itself and the controls' looks.
void ApplyMainFormDesign(ui::Form& form, ui::ControlSet& controls);

}  // namespace tamsendor::app

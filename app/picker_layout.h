#pragma once

#include "ui/control_set.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace tamsendor::app {

// The custom resolution picker's controls, where they sit and what they show.
ui::Layout PickerLayout();

// The picker window itself and the controls' looks beyond the layout.
void ApplyPickerDesign(ui::Form& form, ui::ControlSet& controls);

}  // namespace tamsendor::app

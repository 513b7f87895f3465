#pragma once

#include "ui/control_set.h"

namespace tamsendor::app {

// The main window's colours that the start-up sets: the group bar's captions, light grey fields
// and boxes, and the progress indicator's segments.
void ApplyStartUpColors(ui::ControlSet& controls);

}  // namespace tamsendor::app

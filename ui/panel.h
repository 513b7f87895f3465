#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// A container for other controls: a plain panel, a framed group (the caption sits in the
// frame), or one page of a page control. The layout row's kind says which.
class Panel : public Control {
 public:
  using Control::Control;
};

}  // namespace tamsendor::ui

#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// An ordinary push button with a text caption; pressing it fires OnClick.
class Button : public Control {
 public:
  using Control::Control;
};

}  // namespace tamsendor::ui

#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// A check box. Setting Checked from code fires nothing; a user's toggle changes Checked and
// then fires OnClick.
class CheckBox : public Control {
 public:
  using Control::Control;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { Set(checked_, checked, Property::Checked); }

  void HandleToggle() {
    if (!Enabled())
      return;
    SetChecked(!checked_);
    HandleClick();
  }

 private:
  bool checked_ = false;
};

}  // namespace tamsendor::ui

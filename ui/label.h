#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// Static text. A transparent label shows what lies beneath it (the skinned background).
class Label : public Control {
 public:
  using Control::Control;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { Set(transparent_, transparent, Property::Colors); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap) { Set(wordWrap_, wrap, Property::Caption); }

 private:
  bool transparent_ = false;
  bool wordWrap_ = false;
};

}  // namespace tamsendor::ui

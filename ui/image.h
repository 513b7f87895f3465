#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// A picture from the program's artwork, named by Picture, filling the control.
class Image : public Control {
 public:
  using Control::Control;

  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { Set(picture_, std::move(picture), Property::Picture); }

 private:
  std::string picture_;
};

}  // namespace tamsendor::ui

#pragma once

#include "ui/control.h"

namespace tamsendor::ui {

// A button drawn from artwork (the face named by Picture, with the caption, if any, on it).
// Flat ones (speed buttons) show no face until the pointer is over them. It shows a hand cursor.
class PictureButton : public Control {
 public:
  explicit PictureButton(std::string name) : Control(std::move(name)) {
    SetCursor(Cursor::HandPoint);
  }

  const std::string& Picture() const { return picture_; }
  void SetPicture(std::string picture) { Set(picture_, std::move(picture), Property::Picture); }
  bool Flat() const { return flat_; }
  void SetFlat(bool flat) { Set(flat_, flat, Property::Picture); }

 private:
  std::string picture_;
  bool flat_ = false;
};

}  // namespace tamsendor::ui

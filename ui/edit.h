#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ui/control.h"

namespace tamsendor::ui {

// A one-line text field. MaxLength (in characters, 0 for none) limits what the user types, not
// what code sets. Every change of Text, from code or from typing, fires OnChange; focus leaving
// the field fires OnExit.
class Edit : public Control {
 public:
  using Control::Control;

  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  std::size_t MaxLength() const { return maxLength_; }
  void SetMaxLength(std::size_t characters) { Set(maxLength_, characters, Property::MaxLength); }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { Set(readOnly_, readOnly, Property::ReadOnly); }

  std::function<void()> OnChange;
  std::function<void()> OnExit;

  // The field's whole text after the user's edit; beyond MaxLength it is cut.
  void HandleTyped(std::string text);
  void HandleFocusLeft();

 private:
  std::string text_;
  std::size_t maxLength_ = 0;
  bool readOnly_ = false;
};

}  // namespace tamsendor::ui

#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui_thread.h"
#include "ui/control.h"
#include "ui/layout.h"

namespace tamsendor::ui {

// The controls of one window, made from its layout: one model per row, found by the row's name.
// Pages join their page control and groups their group bar. A broken layout (a repeated name, an
// unknown or unfit parent) throws std::invalid_argument.
class ControlSet {
 public:
  ControlSet(Layout layout, platform::Timers& timers);

  const Layout& Rows() const { return layout_; }
  Control& At(std::size_t row) { return *controls_.at(row); }
  const Control& At(std::size_t row) const { return *controls_.at(row); }

  Control* Find(std::string_view name);
  const Control* Find(std::string_view name) const;

  // The control of that name and kind; asking for a missing one is a programming error. A const
  // set gives const controls: only its owner wires and changes them.
  template <typename T>
  T& Get(std::string_view name) {
    return const_cast<T&>(std::as_const(*this).Get<T>(name));
  }
  template <typename T>
  const T& Get(std::string_view name) const {
    auto* control = dynamic_cast<const T*>(Find(name));
    if (control == nullptr)
      throw std::logic_error("No such control: " + std::string(name));
    return *control;
  }

 private:
  Layout layout_;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace tamsendor::ui

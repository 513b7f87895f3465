#pragma once

namespace tamsendor::platform {

struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowBounds&) const = default;
};

// The main window's normal (restored, not minimised or maximised) position and size.
class WindowPlacement {
 public:
  virtual ~WindowPlacement() = default;
  virtual WindowBounds NormalBounds() const = 0;
  virtual void SetBounds(const WindowBounds& bounds) = 0;
};

}  // namespace tamsendor::platform

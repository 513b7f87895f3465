#include "ui/control.h"

namespace tamsendor::ui {

void Control::SetVisible(bool visible) {
  if (Set(visible_, visible, Property::Visible))
    ActivityChanged();
}

void Control::SetEnabled(bool enabled) {
  if (Set(enabled_, enabled, Property::Enabled))
    ActivityChanged();
}

void Control::SetLeft(int left) {
  ui::Bounds moved = bounds_;
  moved.left = left;
  SetBounds(moved);
}

void Control::HandleClick() {
  if (enabled_ && OnClick)
    OnClick();
}

void Control::HandleMouseLeave() {
  if (OnMouseLeave)
    OnMouseLeave();
}

void Control::HandleMouseDown(MouseButton button, int x, int y) {
  if (enabled_ && OnMouseDown)
    OnMouseDown(button, x, y);
}

}  // namespace tamsendor::ui

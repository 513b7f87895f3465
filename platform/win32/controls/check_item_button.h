#pragma once

#include <windows.h>

#include "platform/win32/controls/peer_context.h"
#include "ui/control.h"

namespace tamsendor::win32 {

// The mark of a ticked check box or chosen radio button, and the frame of a hot-tracked item
// under the pointer.
inline constexpr ui::Color kHighlightColor{33, 161, 33};
inline constexpr ui::Color kHotTrackColor{255, 199, 60};

// A system check box or radio button drawn in the design's colours: its box framed in the frame
// colour, its mark in the highlight colour, the frame in the hot-track colour while the pointer is
// over it (when its control is hot-tracked), everything greyed while it is disabled. The button
// keeps its own state and keyboard handling; only its look is ours. `model` gives the text colour,
// background, font and hot-tracking.
class CheckItemButton {
 public:
  CheckItemButton(HWND button, const ui::Control& model, PeerContext& context, bool radio);
  ~CheckItemButton();
  CheckItemButton(const CheckItemButton&) = delete;
  CheckItemButton& operator=(const CheckItemButton&) = delete;

  HWND Handle() const { return button_; }
  // True while the button acts on a key (the space bar), so a click it reports now came from the
  // keyboard.
  bool ActingOnKey() const { return actingOnKey_; }
  void Repaint() const;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR self) noexcept;
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;

  HWND button_;
  const ui::Control& model_;
  PeerContext& context_;
  bool radio_;
  bool hot_ = false;
  bool actingOnKey_ = false;
};

}  // namespace tamsendor::win32

#pragma once

#include <memory>

#include "platform/win32/controls/check_item_button.h"
#include "platform/win32/controls/native_peer.h"
#include "ui/check_box.h"

namespace tamsendor::win32 {

// The system's check box; the model decides its state, so a click only asks the model to
// toggle.
class CheckBoxPeer : public NativePeer {
 public:
  CheckBoxPeer(ui::CheckBox& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::CheckBox& box_;
  std::unique_ptr<CheckItemButton> look_;
};

// Check boxes and radio buttons on a dark skin: without visual styles they take the text colour
// the parent gives them.
void UseClassicLook(HWND button);

}  // namespace tamsendor::win32

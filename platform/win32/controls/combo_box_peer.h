#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/combo_box.h"

namespace tamsendor::win32 {

// The system's drop-down combo box with a text field.
class ComboBoxPeer : public NativePeer {
 public:
  ComboBoxPeer(ui::ComboBox& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool ShowsCaption() const override { return false; }

 private:
  ui::ComboBox& box_;
  bool typing_ = false;
};

}  // namespace tamsendor::win32

#pragma once

#include "platform/win32/controls/item_buttons_peer.h"
#include "ui/radio_group.h"

namespace tamsendor::win32 {

class RadioGroupPeer : public ItemButtonsPeer {
 public:
  RadioGroupPeer(ui::RadioGroup& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  void ItemClicked(std::size_t index, bool byKeyboard) override {
    group_.HandleItemChosen(static_cast<int>(index));
    if (byKeyboard)
      Model().HandleKeyboardChange();
  }
  int ColumnCount() const override { return group_.Columns(); }

 private:
  ui::RadioGroup& group_;
};

}  // namespace tamsendor::win32

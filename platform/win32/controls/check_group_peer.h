#pragma once

#include "platform/win32/controls/item_buttons_peer.h"
#include "ui/check_group.h"

namespace tamsendor::win32 {

class CheckGroupPeer : public ItemButtonsPeer {
 public:
  CheckGroupPeer(ui::CheckGroup& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  void ItemClicked(std::size_t index, bool byKeyboard) override {
    group_.HandleItemToggle(index);
    if (byKeyboard)
      Model().HandleKeyboardChange();
  }
  int ColumnCount() const override { return group_.Columns(); }

 private:
  ui::CheckGroup& group_;
};

}  // namespace tamsendor::win32

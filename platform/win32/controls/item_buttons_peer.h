#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/controls/check_item_button.h"
#include "platform/win32/controls/native_peer.h"

namespace tamsendor::win32 {

// A framed group of the system's check boxes or radio buttons, one per item, in columns. The
// model decides every item's state; a click only tells the model which item was clicked.
class ItemButtonsPeer : public NativePeer {
 protected:
  ItemButtonsPeer(ui::Control& model, PeerContext& context, HWND parent, DWORD buttonStyle);

  // Makes the buttons anew for these captions.
  void RebuildItems(const std::vector<std::string>& captions);
  void Arrange();
  const std::vector<HWND>& ItemButtons() const { return items_; }
  void SetItemState(std::size_t index, bool checked, bool enabled);
  // The item that Tab stops at; the arrow keys reach the others.
  void SetTabStopItem(std::size_t index);
  // byKeyboard: the user toggled it with the keyboard, not the pointer.
  virtual void ItemClicked(std::size_t index, bool byKeyboard) = 0;
  virtual int ColumnCount() const = 0;

  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc, const RECT& client) override;
  void ApplyFont(HFONT font) override;

 private:
  DWORD buttonStyle_;
  std::vector<HWND> items_;
  std::vector<std::unique_ptr<CheckItemButton>> looks_;
};

}  // namespace tamsendor::win32

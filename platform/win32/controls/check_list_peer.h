#pragma once

#include "platform/win32/controls/native_peer.h"
#include "ui/check_list.h"

namespace tamsendor::win32 {

// The system's list box, its rows drawn here with a check box before the text. A click on a row,
// or the space bar on the row with the caret, asks the model to toggle that item; the model
// decides, and the rows show what it holds.
class CheckListPeer : public NativePeer {
 public:
  CheckListPeer(ui::CheckList& model, PeerContext& context, HWND parent);

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool HandleFromParent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void DrawRow(const DRAWITEMSTRUCT& row);

  ui::CheckList& list_;
};

}  // namespace tamsendor::win32

#include "platform/win32/controls/radio_group_peer.h"

namespace tamsendor::win32 {

RadioGroupPeer::RadioGroupPeer(ui::RadioGroup& model, PeerContext& context, HWND parent)
    : ItemButtonsPeer(model, context, parent, BS_RADIOBUTTON), group_(model) {}

void RadioGroupPeer::ReflectOwn(ui::Property changed) {
  ItemButtonsPeer::ReflectOwn(changed);
  if (changed == ui::Property::Items)
    RebuildItems(group_.Items());
  if (changed == ui::Property::Items || changed == ui::Property::ItemIndex ||
      changed == ui::Property::Enabled) {
    for (std::size_t i = 0; i < group_.Items().size(); ++i)
      SetItemState(i, static_cast<int>(i) == group_.ItemIndex(), true);
    // Tab comes to the chosen item, as in a dialog box: reaching an unchosen one would choose it.
    SetTabStopItem(group_.ItemIndex() < 0 ? 0 : static_cast<std::size_t>(group_.ItemIndex()));
  }
}

}  // namespace tamsendor::win32

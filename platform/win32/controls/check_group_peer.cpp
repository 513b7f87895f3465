#include "platform/win32/controls/check_group_peer.h"

namespace tamsendor::win32 {

CheckGroupPeer::CheckGroupPeer(ui::CheckGroup& model, PeerContext& context, HWND parent)
    : ItemButtonsPeer(model, context, parent, BS_CHECKBOX), group_(model) {}

void CheckGroupPeer::ReflectOwn(ui::Property changed) {
  ItemButtonsPeer::ReflectOwn(changed);
  if (changed == ui::Property::Items) {
    std::vector<std::string> captions;
    for (const auto& item : group_.Items())
      captions.push_back(item.caption);
    RebuildItems(captions);
  }
  if (changed == ui::Property::Items || changed == ui::Property::ItemState ||
      changed == ui::Property::Enabled) {
    for (std::size_t i = 0; i < group_.ItemCount(); ++i)
      SetItemState(i, group_.ItemChecked(i), group_.ItemEnabled(i));
  }
}

}  // namespace tamsendor::win32

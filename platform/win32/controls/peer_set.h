#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/controls/native_peer.h"
#include "platform/win32/controls/peer_context.h"
#include "ui/control_set.h"

namespace tamsendor::win32 {

// The real controls of one window: a peer for each row of its layout, made in the row order
// inside the window `form`. Groups of a group bar have no window of their own: the bar paints
// them. A page without a size fills its page control.
class PeerSet {
 public:
  PeerSet(ui::ControlSet& controls, HWND form, PeerContext& context);
  ~PeerSet();
  PeerSet(const PeerSet&) = delete;
  PeerSet& operator=(const PeerSet&) = delete;

  // The window of the named control; nullptr for an unknown name or a bar's group.
  HWND Handle(std::string_view name) const;

 private:
  std::vector<std::unique_ptr<NativePeer>> peers_;
  std::map<std::string, NativePeer*, std::less<>> byName_;
};

}  // namespace tamsendor::win32

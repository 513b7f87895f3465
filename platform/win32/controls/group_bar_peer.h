#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/controls/native_peer.h"
#include "ui/group_bar.h"

namespace tamsendor::win32 {

// The group bar painted as one pane: each group's caption row and, under the open group, its
// item rows. It is the peer of its groups too, so their changes repaint it.
class GroupBarPeer : public NativePeer {
 public:
  static constexpr int kCaptionHeight = 24;
  static constexpr int kItemHeight = 20;

  GroupBarPeer(ui::GroupBar& model, PeerContext& context, HWND parent);
  ~GroupBarPeer() override;

  void AddGroup(ui::BarGroup& group);

  // What lies at a point of the pane: a group's caption (no item) or one of its items.
  struct Row {
    int group = -1;
    std::optional<std::size_t> item;
  };
  std::optional<Row> RowAt(int y) const;
  // The rows the bar shows now, top to bottom, with the top of each.
  std::vector<std::pair<Row, int>> ShownRows() const;

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  void ActivateRow(const Row& row);

  ui::GroupBar& bar_;
  std::optional<int> hotY_;
  // The row the keyboard is on, counted among the shown rows.
  std::size_t focusRow_ = 0;
};

}  // namespace tamsendor::win32

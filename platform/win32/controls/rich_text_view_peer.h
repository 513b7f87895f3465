#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/win32/controls/native_peer.h"
#include "ui/rich_text_view.h"

namespace tamsendor::win32 {

// The system's rich edit control, read-only, showing the document's runs in their styles; a
// click on a link run goes to the model, and the pointer over one is a hand.
class RichTextViewPeer : public NativePeer {
 public:
  RichTextViewPeer(ui::RichTextView& model, PeerContext& context, HWND parent);

  // Where each run of the document lies in the control's text, in characters.
  struct RunSpan {
    long start = 0;
    long end = 0;
  };
  const std::vector<RunSpan>& Spans() const { return spans_; }

 protected:
  void ReflectOwn(ui::Property changed) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ApplyFont(HFONT font) override;
  bool ShowsCaption() const override { return false; }

 private:
  void ShowDocument();
  void ApplyColors();
  // The run with a link under a point of the client area.
  std::optional<std::size_t> LinkAt(POINT point) const;

  ui::RichTextView& view_;
  std::vector<RunSpan> spans_;
  std::optional<std::size_t> pressedLink_;
};

}  // namespace tamsendor::win32

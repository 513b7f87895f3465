#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/rich_text.h"

namespace tamsendor::ui {

// A read-only, scrollable view of formatted text whose links the user can click.
class RichTextView : public Control {
 public:
  using Control::Control;

  const RichText& Document() const { return document_; }
  void SetDocument(RichText document) { Set(document_, std::move(document), Property::Text); }

  // The address of the link the user clicked.
  std::function<void(const std::string& address)> OnLinkClick;

  // The user clicked the run at `index` of the document; only runs with a link answer.
  void HandleLinkClick(std::size_t index) {
    if (index < document_.runs.size() && !document_.runs[index].link.empty() && OnLinkClick)
      OnLinkClick(document_.runs[index].link);
  }

 private:
  RichText document_;
};

}  // namespace tamsendor::ui

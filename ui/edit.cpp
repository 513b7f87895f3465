#include "ui/edit.h"

namespace tamsendor::ui {

namespace {

// The byte length of the first `characters` characters of UTF-8 text.
std::size_t PrefixBytes(const std::string& text, std::size_t characters) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (startsCharacter && count++ == characters)
      return i;
  }
  return text.size();
}

}  // namespace

void Edit::SetText(std::string text) {
  if (Set(text_, std::move(text), Property::Text) && OnChange)
    OnChange();
}

void Edit::HandleTyped(std::string text) {
  if (!Enabled() || readOnly_)
    return;
  const std::size_t keep = maxLength_ > 0 ? PrefixBytes(text, maxLength_) : text.size();
  const bool cut = keep < text.size();
  text.resize(keep);
  SetText(std::move(text));
  // The field itself may still show what was cut; tell the peer even when the kept text equals
  // the old one.
  if (cut)
    Changed(Property::Text);
}

void Edit::HandleFocusLeft() {
  if (OnExit)
    OnExit();
}

}  // namespace tamsendor::ui

#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

// A fuzz input read front to back as a scenario: single bytes choose, a text runs to the next
// zero byte, and bytes of any value are a length byte followed by that many. Past the end every
// byte reads 0 and every text is empty, so any input, however short, is a whole scenario, and a
// hand-written seed reads as it is written. Texts end at a mark rather than a count, so that a
// mutation inside a text keeps the rest of the scenario in place.
class ScenarioInput {
 public:
  ScenarioInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return at_ >= size_; }

  std::uint8_t Byte() { return AtEnd() ? 0 : data_[at_++]; }
  // One of `count` choices (count > 0).
  std::size_t Choice(std::size_t count) { return Byte() % count; }
  bool Flag() { return (Byte() & 1) != 0; }
  // Two bytes, the first the high one.
  std::uint16_t Number() {
    const std::uint16_t high = Byte();
    return static_cast<std::uint16_t>(high << 8 | Byte());
  }

  // Up to the next zero byte, which is passed over.
  std::string Text() {
    const std::uint8_t* start = data_ + at_;
    const std::uint8_t* end = std::find(start, data_ + size_, 0);
    at_ = static_cast<std::size_t>(end - data_) + (end == data_ + size_ ? 0 : 1);
    return std::string(reinterpret_cast<const char*>(start), static_cast<std::size_t>(end - start));
  }

  // A length byte, then that many bytes of any value.
  std::string Bytes() {
    std::size_t length = Byte();
    if (length > size_ - at_)
      length = size_ - at_;
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

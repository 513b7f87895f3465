#pragma once

#include <string>
#include <vector>

namespace tamsendor::ui {

// A piece of text in one style. Text is UTF-8; "\n" ends a paragraph. A run with a link is shown
// as a link and opens that address when clicked.
struct TextRun {
  std::string text;
  bool bold = false;
  bool italic = false;
  // 1 to 3 for the sizes of headings, 0 for body text.
  int heading = 0;
  std::string link;
  bool operator==(const TextRun&) const = default;
};

// Formatted text for a read-only view: runs in reading order.
struct RichText {
  std::vector<TextRun> runs;
  bool operator==(const RichText&) const = default;
  bool Empty() const { return runs.empty(); }
};

}  // namespace tamsendor::ui

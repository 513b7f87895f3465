#pragma once

#include <cstddef>
#include <string_view>

#include "ui/rich_text.h"

namespace tamsendor::news {

// The most of a page that is read; the rest is cut off.
inline constexpr std::size_t kPageLimit = 512 * 1024;
// The most formatted text made of one page, its runs' texts and link addresses together. A page
// of deeply nested lists, or of many short runs under one long link, would otherwise make text
// that grows with the square of its size.
inline constexpr std::size_t kTextLimit = 4 * kPageLimit;

// The readable part of an HTML page (UTF-8) as formatted text. Kept: headings, paragraphs, line
// breaks, lists, bold and italic, and links to web addresses (read against pageAddress); every
// other element is reduced to its text, and scripts, styles, images and the like are dropped.
// Entities are decoded, blanks collapse as a browser collapses them, and a page beyond kPageLimit
// is cut there, as is the text at kTextLimit. Nothing of the page is ever run or fetched.
ui::RichText HtmlToRichText(std::string_view html, std::string_view pageAddress);

}  // namespace tamsendor::news

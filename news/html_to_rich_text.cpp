#include "news/html_to_rich_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "news/link_address.h"
#include "news/page_charset.h"
#include "text/utf8.h"

namespace tamsendor::news {

namespace {

constexpr std::size_t kDeepestIndent = 16;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAsciiAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == ':' || c == '_';
}

struct NamedEntity {
  std::string_view name;
  char32_t point;
};

// The entities a news page is likely to use; others stay as written.
constexpr std::array<NamedEntity, 53> kEntities{{
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"trade", 0x2122}, {"hellip", 0x2026},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"sbquo", 0x201A}, {"bdquo", 0x201E}, {"laquo", 0xAB},   {"raquo", 0xBB},
    {"bull", 0x2022},  {"middot", 0xB7},  {"euro", 0x20AC},  {"pound", 0xA3},   {"yen", 0xA5},
    {"cent", 0xA2},    {"sect", 0xA7},    {"deg", 0xB0},     {"plusmn", 0xB1},  {"times", 0xD7},
    {"divide", 0xF7},  {"frac12", 0xBD},  {"frac14", 0xBC},  {"frac34", 0xBE},  {"sup2", 0xB2},
    {"sup3", 0xB3},    {"micro", 0xB5},   {"para", 0xB6},    {"shy", 0xAD},     {"auml", 0xE4},
    {"ouml", 0xF6},    {"uuml", 0xFC},    {"Auml", 0xC4},    {"Ouml", 0xD6},    {"Uuml", 0xDC},
    {"szlig", 0xDF},   {"eacute", 0xE9},  {"egrave", 0xE8},  {"ecirc", 0xEA},   {"aacute", 0xE1},
    {"agrave", 0xE0},  {"ccedil", 0xE7},  {"ntilde", 0xF1},
}};

// A character reference at text[at] ('&'): its code point and length, or 0 when it is none.
std::size_t ReadReference(std::string_view text, std::size_t at, char32_t& point) {
  // Looked for nearby only: a page of '&' without ';' must not take time that grows with the
  // square of its size.
  const auto semicolon = text.substr(at, 13).find(';');
  if (semicolon == std::string_view::npos)
    return 0;
  const std::string_view body = text.substr(at + 1, semicolon - 1);
  if (body.size() >= 2 && body[0] == '#') {
    const bool hex = Lower(body[1]) == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty())
      return 0;
    char32_t value = 0;
    for (char c : digits) {
      int digit = -1;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (hex && Lower(c) >= 'a' && Lower(c) <= 'f')
        digit = Lower(c) - 'a' + 10;
      if (digit < 0)
        return 0;
      value = std::min<char32_t>(value * (hex ? 16 : 10) + static_cast<char32_t>(digit), 0x110000);
    }
    // AppendUtf8 turns what is no character into U+FFFD; NUL becomes it too.
    point = value == 0 ? 0xFFFD : value;
    return body.size() + 2;
  }
  for (const auto& entity : kEntities) {
    if (entity.name == body) {
      point = entity.point;
      return body.size() + 2;
    }
  }
  return 0;
}

std::string DecodeReferences(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t point = 0;
    const std::size_t length = text[i] == '&' ? ReadReference(text, i, point) : 0;
    if (length == 0) {
      decoded += text[i++];
      continue;
    }
    text::AppendUtf8(decoded, point);
    i += length;
  }
  return decoded;
}

struct Tag {
  std::string name;  // lowered
  bool closing = false;
  bool selfClosing = false;
  std::string href;
};

// Reads the tag that starts at html[at] ('<' followed by a letter, or "</" and a letter). Returns
// the position after its '>', or npos when the page ends inside it.
std::size_t ReadTag(std::string_view html, std::size_t at, Tag& tag) {
  std::size_t i = at + 1;
  if (html[i] == '/') {
    tag.closing = true;
    ++i;
  }
  while (i < html.size() && IsNameChar(html[i]))
    tag.name += Lower(html[i++]);
  while (i < html.size()) {
    const char c = html[i];
    if (c == '>')
      return i + 1;
    if (c == '/') {
      tag.selfClosing = i + 1 < html.size() && html[i + 1] == '>';
      ++i;
      continue;
    }
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    std::string attribute;
    while (i < html.size() && !IsBlank(html[i]) && html[i] != '>' && html[i] != '=' &&
           html[i] != '/')
      attribute += Lower(html[i++]);
    while (i < html.size() && IsBlank(html[i]))
      ++i;
    if (i >= html.size() || html[i] != '=')
      continue;
    ++i;
    while (i < html.size() && IsBlank(html[i]))
      ++i;
    if (i >= html.size())
      break;
    std::string_view value;
    if (html[i] == '"' || html[i] == '\'') {
      const auto close = html.find(html[i], i + 1);
      if (close == std::string_view::npos)
        return std::string_view::npos;
      value = html.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      const std::size_t start = i;
      while (i < html.size() && !IsBlank(html[i]) && html[i] != '>')
        ++i;
      value = html.substr(start, i - start);
    }
    if (attribute == "href")
      tag.href = DecodeReferences(value);
  }
  return std::string_view::npos;
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements whose content is no text: scripts and styles (whose content is not even HTML), the
// page's title, and embedded documents, drawings and form fields.
bool IsRawText(std::string_view name) {
  return IsOneOf(name,
                 {"script", "style", "title", "textarea", "xmp", "iframe", "noembed", "noframes"});
}
bool IsDropped(std::string_view name) {
  return IsOneOf(name, {"template", "svg", "math", "object", "select", "canvas", "video", "audio",
                        "picture", "map"});
}
bool IsParagraph(std::string_view name) {
  return IsOneOf(
      name, {"p",     "h1",    "h2",     "h3",      "h4",      "h5",      "h6",       "blockquote",
             "pre",   "table", "hr",     "section", "article", "header",  "footer",   "nav",
             "aside", "main",  "figure", "form",    "dl",      "address", "fieldset", "details"});
}
bool IsLine(std::string_view name) {
  return IsOneOf(name,
                 {"div", "tr", "dt", "dd", "caption", "figcaption", "summary", "legend", "center"});
}
int HeadingLevel(std::string_view name) {
  if (name.size() != 2 || name[0] != 'h' || name[1] < '1' || name[1] > '6')
    return 0;
  return std::min(name[1] - '0', 3);
}

// Builds the runs as the page's text and tags come.
class Writer {
 public:
  explicit Writer(std::string_view pageAddress) : pageAddress_(pageAddress) {}

  void Text(std::string_view text) {
    const std::string decoded = DecodeReferences(text);
    std::string pending;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
      const char c = decoded[i];
      if (c == '\r')
        continue;
      if (preformatted_ > 0 && c == '\n') {
        Put(pending);
        pending.clear();
        Newline();
        continue;
      }
      if (IsBlank(c)) {
        if (preformatted_ > 0 || (!pending.empty() && pending.back() != ' '))
          pending += ' ';
        else if (pending.empty())
          PutSpace();
        continue;
      }
      // Control characters (C0, DEL and C1) have no place in a page's text.
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 || byte == 0x7F)
        continue;
      const auto next = i + 1 < decoded.size() ? static_cast<unsigned char>(decoded[i + 1]) : 0;
      if (byte == 0xC2 && next >= 0x80 && next < 0xA0) {
        ++i;
        continue;
      }
      pending += c;
    }
    Put(pending);
  }

  void Open(const Tag& tag) {
    const std::string& name = tag.name;
    if (name == "br") {
      Newline();
    } else if (name == "ul" || name == "ol") {
      Break(lists_.empty() ? 2 : 1);
      lists_.push_back(name == "ol" ? 1 : 0);
    } else if (name == "li") {
      Break(1);
      // Indented by nesting, up to a depth no real page reaches.
      const std::size_t depth = std::clamp<std::size_t>(lists_.size(), 1, kDeepestIndent);
      std::string marker(4 * (depth - 1), ' ');
      if (!lists_.empty() && lists_.back() > 0)
        marker += std::to_string(lists_.back()++) + ". ";
      else
        marker += "\xE2\x80\xA2 ";
      PutMarker(marker);
    } else if (name == "a") {
      link_ = ResolveLink(tag.href, pageAddress_);
    } else if (name == "b" || name == "strong") {
      ++bold_;
    } else if (name == "i" || name == "em" || name == "cite") {
      ++italic_;
    } else if (IsParagraph(name) || IsLine(name)) {
      Break(IsParagraph(name) ? 2 : 1);
      if (HeadingLevel(name) > 0)
        headings_.push_back(HeadingLevel(name));
      if (name == "pre")
        ++preformatted_;
    } else if (name == "td" || name == "th") {
      PutSpace();
    }
  }

  void Close(const Tag& tag) {
    const std::string& name = tag.name;
    if (name == "ul" || name == "ol") {
      if (!lists_.empty())
        lists_.pop_back();
      Break(lists_.empty() ? 2 : 1);
    } else if (name == "a") {
      link_.clear();
    } else if (name == "b" || name == "strong") {
      bold_ = std::max(bold_ - 1, 0);
    } else if (name == "i" || name == "em" || name == "cite") {
      italic_ = std::max(italic_ - 1, 0);
    } else if (IsParagraph(name) || IsLine(name)) {
      if (HeadingLevel(name) > 0 && !headings_.empty())
        headings_.pop_back();
      if (name == "pre")
        preformatted_ = std::max(preformatted_ - 1, 0);
      Break(IsParagraph(name) ? 2 : 1);
    } else if (name == "br") {
      Newline();
    }
  }

  ui::RichText Finish() {
    // Nothing but blanks may end the text.
    while (!text_.runs.empty()) {
      std::string& last = text_.runs.back().text;
      last.erase(last.find_last_not_of(" \n") + 1);
      if (!last.empty())
        break;
      text_.runs.pop_back();
    }
    return std::move(text_);
  }

 private:
  ui::TextRun Style() const {
    ui::TextRun run;
    run.heading = headings_.empty() ? 0 : headings_.back();
    run.bold = bold_ > 0 || run.heading > 0;
    run.italic = italic_ > 0;
    run.link = link_;
    return run;
  }

  // Appends to the last run when the style is the same. Once the text would grow past
  // kTextLimit, nothing more is added.
  void Append(std::string_view text, ui::TextRun style) {
    if (text.empty() || full_)
      return;
    const bool newRun = text_.runs.empty() || !SameStyle(text_.runs.back(), style);
    const std::size_t adding = text.size() + (newRun ? style.link.size() : 0);
    if (size_ + adding > kTextLimit) {
      full_ = true;
      return;
    }
    size_ += adding;
    if (newRun) {
      style.text = text;
      text_.runs.push_back(std::move(style));
    } else {
      text_.runs.back().text += text;
    }
    atStart_ = false;
  }
  static bool SameStyle(const ui::TextRun& a, const ui::TextRun& b) {
    return a.bold == b.bold && a.italic == b.italic && a.heading == b.heading && a.link == b.link;
  }

  // Text in the current style, after the line breaks that are due.
  void Put(std::string_view text) {
    if (text.empty())
      return;
    FlushBreaks();
    Append(text, Style());
    trailingNewlines_ = 0;
  }
  // The blank between two words, unless the line starts or has one already.
  void PutSpace() {
    if (atStart_ || trailingNewlines_ > 0 || dueNewlines_ > 0 || EndsWithSpace())
      return;
    Append(" ", Style());
  }
  // A list item's bullet or number: plain, whatever the item's text is.
  void PutMarker(std::string_view marker) {
    FlushBreaks();
    Append(marker, {});
    trailingNewlines_ = 0;
  }
  bool EndsWithSpace() const {
    return !text_.runs.empty() && !text_.runs.back().text.empty() &&
           text_.runs.back().text.back() == ' ';
  }
  // Blanks do not end a line.
  void TrimTrailingSpaces() {
    while (!text_.runs.empty() && EndsWithSpace()) {
      std::string& last = text_.runs.back().text;
      last.erase(last.find_last_not_of(' ') + 1);
      if (last.empty())
        text_.runs.pop_back();
    }
  }

  // A block starts or ends: the text goes on after at least `lines` line breaks (one ends the
  // line, two leave an empty line between paragraphs). A page's first text needs none.
  void Break(int lines) {
    if (!atStart_)
      dueNewlines_ = std::max(dueNewlines_, lines - trailingNewlines_);
  }
  // <br>: one more line break, however many came before.
  void Newline() {
    if (atStart_)
      return;
    FlushBreaks();
    TrimTrailingSpaces();
    Append("\n", {});
    ++trailingNewlines_;
  }
  // Line breaks are plain: a heading's or a link's style ends with its line.
  void FlushBreaks() {
    if (dueNewlines_ <= 0)
      return;
    TrimTrailingSpaces();
    Append(std::string(static_cast<std::size_t>(dueNewlines_), '\n'), {});
    trailingNewlines_ += dueNewlines_;
    dueNewlines_ = 0;
  }

  std::string_view pageAddress_;
  ui::RichText text_;
  std::size_t size_ = 0;  // the bytes of the runs' texts and links
  bool full_ = false;     // kTextLimit reached
  std::string link_;
  std::vector<int> headings_;
  std::vector<int> lists_;  // per open list: the next number, or 0 for bullets
  int bold_ = 0;
  int italic_ = 0;
  int preformatted_ = 0;
  int trailingNewlines_ = 0;
  int dueNewlines_ = 0;
  bool atStart_ = true;
};

// The position just after the end tag of a raw text element, or the page's end.
std::size_t SkipRawText(std::string_view html, std::size_t from, std::string_view name) {
  for (std::size_t at = html.find("</", from); at != std::string_view::npos;
       at = html.find("</", at + 2)) {
    std::size_t i = at + 2;
    std::size_t k = 0;
    while (k < name.size() && i < html.size() && Lower(html[i]) == name[k]) {
      ++i;
      ++k;
    }
    if (k == name.size() && (i >= html.size() || !IsNameChar(html[i]))) {
      const auto end = html.find('>', i);
      return end == std::string_view::npos ? html.size() : end + 1;
    }
  }
  return html.size();
}

// Keeps a cut page whole: no half of a character at its end.
std::string_view CutAtLimit(std::string_view html) {
  if (html.size() <= kPageLimit)
    return html;
  std::size_t end = kPageLimit;
  while (end > 0 && (static_cast<unsigned char>(html[end]) & 0xC0) == 0x80)
    --end;
  return html.substr(0, end);
}

}  // namespace

ui::RichText HtmlToRichText(std::string_view html, std::string_view pageAddress) {
  html = CutAtLimit(html);
  Writer writer(pageAddress);
  // The element whose content is dropped, and how deep it nests in itself.
  std::string dropping;
  int dropDepth = 0;
  std::size_t i = 0;
  while (i < html.size()) {
    const auto lt = html.find('<', i);
    if (dropping.empty())
      writer.Text(html.substr(i, lt == std::string_view::npos ? lt : lt - i));
    if (lt == std::string_view::npos)
      break;
    i = lt;
    const std::string_view rest = html.substr(i);
    if (rest.starts_with("<!--")) {
      const auto end = html.find("-->", i + 4);
      i = end == std::string_view::npos ? html.size() : end + 3;
      continue;
    }
    if (rest.starts_with("<!") || rest.starts_with("<?")) {
      const auto end = html.find('>', i);
      i = end == std::string_view::npos ? html.size() : end + 1;
      continue;
    }
    const bool startsTag =
        rest.size() > 1 &&
        (IsAsciiAlpha(rest[1]) || (rest[1] == '/' && rest.size() > 2 && IsAsciiAlpha(rest[2])));
    if (!startsTag) {
      if (dropping.empty())
        writer.Text("<");
      ++i;
      continue;
    }
    Tag tag;
    const std::size_t after = ReadTag(html, i, tag);
    if (after == std::string_view::npos)
      break;  // the page was cut inside a tag
    i = after;
    if (!dropping.empty()) {
      if (tag.name == dropping && !tag.selfClosing)
        dropDepth += tag.closing ? -1 : 1;
      if (dropDepth == 0)
        dropping.clear();
      continue;
    }
    if (tag.closing) {
      writer.Close(tag);
    } else if (IsRawText(tag.name)) {
      if (!tag.selfClosing)
        i = SkipRawText(html, i, tag.name);
    } else if (IsDropped(tag.name)) {
      if (!tag.selfClosing) {
        dropping = tag.name;
        dropDepth = 1;
      }
    } else {
      writer.Open(tag);
    }
  }
  return writer.Finish();
}

}  // namespace tamsendor::news

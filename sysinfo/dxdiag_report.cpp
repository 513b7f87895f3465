#include "sysinfo/dxdiag_report.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "text/utf8.h"

namespace tamsendor::sysinfo {

namespace {

constexpr char kIndeterminable[] = "indeterminable";

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
      end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return lines;
}

std::string_view ValueOf(std::string_view line) {
  if (const std::size_t equals = line.find('='); equals != std::string_view::npos)
    return line.substr(equals + 1);
  return line.empty() ? line : line.substr(1);
}

std::string_view WithoutLeadingBlanks(std::string_view value) {
  const std::size_t first = value.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : value.substr(first);
}

// Letter case is compared in ASCII only: the keys are English, and the bytes of other letters in
// UTF-8 never look like ASCII ones.
bool ContainsIgnoringCase(std::string_view value, std::string_view key) {
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  if (key.size() > value.size())
    return false;
  for (std::size_t at = 0; at + key.size() <= value.size(); ++at) {
    std::size_t i = 0;
    while (i < key.size() && upper(value[at + i]) == upper(key[i]))
      ++i;
    if (i == key.size())
      return true;
  }
  return false;
}

// The report's lines and the line the searches have come to.
class Searches {
 public:
  explicit Searches(std::string_view text) : lines_(SplitLines(text)) {}

  // The value of the first line from here on that holds `key`, cut from its `from`-th
  // character (counted from 1, in characters, so that a cut never splits one); nullopt when no
  // line holds it, and the place stays.
  std::optional<std::string> Find(std::string_view key, std::size_t from) {
    std::size_t at = at_;
    if (at >= lines_.size())
      return std::nullopt;
    // The line a search starts on keeps its leading blanks, as the one before left it.
    std::string_view value = ValueOf(lines_[at]);
    while (!ContainsIgnoringCase(value, key)) {
      if (++at >= lines_.size())
        return std::nullopt;
      value = WithoutLeadingBlanks(ValueOf(lines_[at]));
    }
    at_ = at;
    std::size_t cut = 0;
    for (std::size_t skipped = 0; skipped + 1 < from && cut < value.size(); ++skipped)
      text::NextCharacter(value, cut);
    return std::string(value.substr(cut));
  }

 private:
  std::vector<std::string_view> lines_;
  std::size_t at_ = 0;
};

std::string RemoveFirst(std::string text, char c) {
  if (const std::size_t at = text.find(c); at != std::string::npos)
    text.erase(at, 1);
  return text;
}

}  // namespace

DirectXFacts ReadDxDiagReport(std::string_view text) {
  Searches searches(text);
  DirectXFacts facts;
  facts.CardName = searches.Find("Card name:", 11).value_or(kIndeterminable);
  facts.DisplayMemory = searches.Find("Display Memory:", 16).value_or(kIndeterminable);
  facts.DriverVersion = searches.Find("Driver Version:", 16).value_or(kIndeterminable);
  const std::optional<std::string> sound = searches.Find("Description:", 12);
  facts.Sound = sound ? RemoveFirst(RemoveFirst(*sound, ':'), ' ') : kIndeterminable;
  return facts;
}

}  // namespace tamsendor::sysinfo

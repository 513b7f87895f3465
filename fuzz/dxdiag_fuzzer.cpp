// The DirectX diagnostic tool's text report: every fact found is the end of one line of the report,
// a line that holds the fact's key; a key the report lacks reads "indeterminable"; CR LF, LF and
// CR line ends read alike; a report in UTF-8 gives facts in UTF-8; and in a plain report (each
// key alone on its line, starting the line's value, as the tool writes them) the four searches
// find what follows each key, one after the other in the report's order.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_text.h"
#include "fuzz/fuzz_check.h"
#include "sysinfo/dxdiag_report.h"
#include "text/utf8.h"

using namespace tamsendor;

namespace {

constexpr std::string_view kIndeterminable = "indeterminable";
constexpr std::size_t kLineEndCheckLimit = 64 * 1024;

// The keys, in the order they are searched for.
enum Key : std::size_t { kCardName, kDisplayMemory, kDriverVersion, kSound, kKeyCount };
constexpr std::array<std::string_view, kKeyCount> kKeys{
    "card name:", "display memory:", "driver version:", "description:"};

// The report's lines, each end (CR LF, LF or CR) taken off. A report may be a sample of 160 KB:
// the line ends are found with memchr, not compared byte by byte under the fuzzer's coverage.
std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t cr = text.find('\r');
  std::size_t lf = text.find('\n');
  std::size_t start = 0;
  while (start < text.size()) {
    if (cr < start)
      cr = text.find('\r', start);
    if (lf < start)
      lf = text.find('\n', start);
    const std::size_t end = std::min({cr, lf, text.size()});
    lines.push_back(text.substr(start, end - start));
    start = end == cr && lf == cr + 1 ? end + 2 : end + 1;
  }
  return lines;
}

// The same lines with another line end; a last line without one stays without.
std::string WithLineEnds(std::string_view text, const std::vector<std::string_view>& lines,
                         std::string_view end) {
  std::string joined;
  joined.reserve(text.size() + lines.size());
  for (const std::string_view line : lines) {
    joined += line;
    joined += end;
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n')
    joined.resize(joined.size() - end.size());
  return joined;
}

bool IsSubsequence(std::string_view part, std::string_view whole) {
  std::size_t at = 0;
  for (const char c : whole)
    if (at < part.size() && part[at] == c)
      ++at;
  return at == part.size();
}

// The report's lines, and the same lines in lower case.
struct Lines {
  std::vector<std::string_view> asWritten;
  std::vector<std::string_view> lowered;

  Lines(std::string_view text, std::string_view loweredText) : asWritten(LinesOf(text)) {
    lowered.reserve(asWritten.size());
    for (const std::string_view line : asWritten)
      lowered.push_back(
          loweredText.substr(static_cast<std::size_t>(line.data() - text.data()), line.size()));
  }
};

std::array<const std::string*, kKeyCount> FactsInKeyOrder(const sysinfo::DirectXFacts& facts) {
  return {&facts.CardName, &facts.DisplayMemory, &facts.DriverVersion, &facts.Sound};
}

// A fact as the report's lines say it: "indeterminable" when no line holds its key, else the end
// of a line that holds it (the sound loses a colon and a blank, so it is checked as what is left
// of such a line).
void CheckFact(const Lines& lines, Key key, const std::string& fact) {
  FUZZ_CHECK(fact.find_first_of("\r\n") == std::string::npos, "a fact is from one line");
  bool keyFound = false;
  bool lineFound = false;
  for (std::size_t i = 0; i < lines.asWritten.size(); ++i) {
    if (lines.lowered[i].find(kKeys[key]) == std::string_view::npos)
      continue;
    keyFound = true;
    const std::string_view line = lines.asWritten[i];
    if (key == kSound ? IsSubsequence(fact, line) : line.ends_with(fact))
      lineFound = true;
  }
  if (!keyFound)
    FUZZ_CHECK(fact == kIndeterminable, "a key the report does not hold reads indeterminable");
  else if (fact != kIndeterminable)
    FUZZ_CHECK(lineFound, "a fact is the end of a line that holds its key");
}

// Where a line's value starts: after its first "=", else after its first character, and after
// the blanks there.
std::size_t ValueStart(std::string_view line) {
  const std::size_t equals = line.find('=');
  std::size_t start =
      equals != std::string_view::npos ? equals + 1 : std::min<std::size_t>(1, line.size());
  while (start < line.size() && line[start] == ' ')
    ++start;
  return start;
}

// For each line of a plain report, the key it holds (kKeyCount for none); nullopt when the report
// is not plain: a line holds a key twice, or two keys, or one elsewhere than at the start of its
// value, or one on the first line (whose leading blanks are kept), or a description without the
// blank after its colon.
std::optional<std::vector<Key>> KeysOfPlainReport(const Lines& lines) {
  std::vector<Key> keys(lines.lowered.size(), kKeyCount);
  for (std::size_t i = 0; i < lines.lowered.size(); ++i) {
    const std::string_view line = lines.lowered[i];
    for (std::size_t k = 0; k < kKeyCount; ++k) {
      const std::size_t at = line.find(kKeys[k]);
      if (at == std::string_view::npos)
        continue;
      if (keys[i] != kKeyCount || i == 0 || at != ValueStart(line) ||
          line.find(kKeys[k], at + 1) != std::string_view::npos ||
          (k == kSound && !line.substr(at + kKeys[k].size()).starts_with(' ')))
        return std::nullopt;
      keys[i] = static_cast<Key>(k);
    }
  }
  return keys;
}

// The facts of a plain report: each search from the line where the one before found its key, the
// text after the key (the sound without the blank after it).
void CheckPlainReport(const sysinfo::DirectXFacts& facts, const Lines& lines) {
  const std::optional<std::vector<Key>> keys = KeysOfPlainReport(lines);
  if (!keys)
    return;
  const auto read = FactsInKeyOrder(facts);
  std::size_t from = 0;
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    const auto line = std::find(keys->begin() + static_cast<std::ptrdiff_t>(from), keys->end(), k);
    if (line == keys->end()) {
      FUZZ_CHECK(*read[k] == kIndeterminable, "a key not found from there reads indeterminable");
      continue;
    }
    from = static_cast<std::size_t>(line - keys->begin());
    const std::string_view text = lines.asWritten[from];
    const std::string_view after = text.substr(ValueStart(text) + kKeys[k].size());
    FUZZ_CHECK(*read[k] == (k == kSound ? after.substr(1) : after),
               "the searches find what follows each key, in the report's order");
  }
}

bool SameFacts(const sysinfo::DirectXFacts& a, const sysinfo::DirectXFacts& b) {
  return a.CardName == b.CardName && a.DisplayMemory == b.DisplayMemory &&
         a.DriverVersion == b.DriverVersion && a.Sound == b.Sound;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string lowered = tamsendor::platform::FoldCase(text);
  const Lines lines(text, lowered);
  const sysinfo::DirectXFacts facts = sysinfo::ReadDxDiagReport(text);
  for (std::size_t k = 0; k < kKeyCount; ++k)
    CheckFact(lines, static_cast<Key>(k), *FactsInKeyOrder(facts)[k]);
  CheckPlainReport(facts, lines);

  if (text::IsValidUtf8(text)) {
    for (const std::string* fact : FactsInKeyOrder(facts))
      FUZZ_CHECK(text::IsValidUtf8(*fact), "a report in UTF-8 gives facts in UTF-8");
  }

  // One other line end for each input, by its size, and only for a report up to 64 KB: reading
  // one of the 160 KB samples again would halve the runs of the fuzzer for nothing new.
  constexpr std::array<std::string_view, 3> kLineEnds{"\n", "\r\n", "\r"};
  if (size <= kLineEndCheckLimit) {
    const std::string_view end = kLineEnds[size % kLineEnds.size()];
    FUZZ_CHECK(
        SameFacts(sysinfo::ReadDxDiagReport(WithLineEnds(text, lines.asWritten, end)), facts),
        "CR LF, LF and CR line ends read alike");
  }
  return 0;
}

// The frames-per-second figure as a number: the locale reading against a reference built from
// strtod on the same text checked by other means, and half-to-even rounding against the
// processor's own round-to-nearest-even.
#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "report/score_number.h"

using namespace tamsendor::report;

namespace {

const char* const kSeparators[] = {".", ",", "'", "\xC2\xA0", "", ".."};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What the engine may write: blanks, digits, once the separator and digits, blanks. Checked
// character by character, then read by strtod in the C locale.
std::optional<double> Reference(const std::string& text, std::string separator) {
  if (separator.empty())
    separator = ".";
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
    ++at;
  std::string plain;
  const std::size_t wholeStart = at;
  while (at < text.size() && IsDigit(text[at]))
    plain += text[at++];
  if (at == wholeStart)
    return std::nullopt;
  if (text.compare(at, separator.size(), separator) == 0) {
    at += separator.size();
    const std::size_t fractionStart = at;
    plain += '.';
    while (at < text.size() && IsDigit(text[at]))
      plain += text[at++];
    if (at == fractionStart)
      return std::nullopt;
  }
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
    ++at;
  if (at != text.size())
    return std::nullopt;
  const double value = std::strtod(plain.c_str(), nullptr);
  if (!std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> ReferenceRounding(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  const double rounded = std::nearbyint(value);  // FE_TONEAREST: ties to even
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  std::fesetround(FE_TONEAREST);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string separator = kSeparators[input.ConsumeIntegralInRange<std::size_t>(
      0, sizeof kSeparators / sizeof kSeparators[0] - 1)];
  const double raw = input.ConsumeFloatingPoint<double>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::optional<double> parsed = ParseLocaleNumber(text, separator);
  const std::optional<double> expected = Reference(text, separator);
  FUZZ_CHECK(parsed.has_value() == expected.has_value(), "accepts what the reference does");
  if (parsed)
    FUZZ_CHECK(*parsed == *expected, "reads the same value as strtod");

  FUZZ_CHECK(RoundHalfEven(raw) == ReferenceRounding(raw), "rounds half to even");
  if (parsed)
    FUZZ_CHECK(RoundHalfEven(*parsed) == ReferenceRounding(*parsed), "rounds a figure to even");

  // The score is the figure's value rounded; the engine's point is read on any locale.
  const std::optional<double> value = FigureValue(text, separator);
  if (parsed)
    FUZZ_CHECK(value == parsed, "a figure in the locale's own writing reads as such");
  const std::optional<int> score = ConvertScore(text, separator);
  FUZZ_CHECK(score == (value ? RoundHalfEven(*value) : std::nullopt), "score is rounded figure");
  if (value)
    FUZZ_CHECK(*value >= 0, "a figure is never negative");
  return 0;
}

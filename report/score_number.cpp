#include "report/score_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "text/blanks.h"

namespace tamsendor::report {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && IsDigit(text[at + n]))
    ++n;
  return n;
}

}  // namespace

std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimalSeparator) {
  text = text::TrimBlanks(text);
  if (decimalSeparator.empty())
    decimalSeparator = ".";

  // Checked here and rewritten with a point, so that the conversion below never depends on the
  // C library's own locale.
  const std::size_t whole = CountDigits(text, 0);
  if (whole == 0)
    return std::nullopt;
  std::string plain(text.substr(0, whole));
  std::size_t at = whole;
  if (text.substr(at, decimalSeparator.size()) == decimalSeparator) {
    at += decimalSeparator.size();
    const std::size_t fraction = CountDigits(text, at);
    if (fraction == 0)
      return std::nullopt;
    plain += '.';
    plain.append(text.substr(at, fraction));
    at += fraction;
  }
  if (at != text.size())
    return std::nullopt;

  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> RoundHalfEven(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  double rounded = std::floor(value);
  const double rest = value - rounded;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0))
    rounded += 1.0;
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<double> FigureValue(std::string_view figure, std::string_view decimalSeparator) {
  if (auto value = ParseLocaleNumber(figure, decimalSeparator))
    return value;
  // The engine always writes a point; on a system whose separator is something else, read the
  // first point as that separator.
  std::string alternate(figure);
  const std::size_t point = alternate.find('.');
  if (point == std::string::npos)
    return std::nullopt;
  alternate.replace(point, 1, decimalSeparator.empty() ? "." : decimalSeparator);
  return ParseLocaleNumber(alternate, decimalSeparator);
}

std::optional<int> ConvertScore(std::string_view figure, std::string_view decimalSeparator) {
  if (const auto value = FigureValue(figure, decimalSeparator))
    return RoundHalfEven(*value);
  return std::nullopt;
}

}  // namespace tamsendor::report

#pragma once

#include <optional>
#include <string_view>

namespace tamsendor::report {

// A frames-per-second figure as the user's locale writes it: optional blanks, digits, optionally
// one `decimalSeparator` followed by digits, optional blanks. nullopt for anything else: a sign,
// an exponent, thousands separators, infinities and NaN are no figure the engine writes, and a
// run that leaves one has no result.
std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimalSeparator);

// Rounds to the nearest whole number, ties to the even neighbour (45.5 gives 46, 46.5 gives 46).
// nullopt when the result does not fit a 32-bit signed integer.
std::optional<int> RoundHalfEven(double value);

// A run's frames-per-second text as a number: read with the locale's separator, and when that
// fails with the first point taken as the separator, so that the engine's "61.5" is still read on
// a system whose separator is a comma. nullopt when neither reading accepts it.
std::optional<double> FigureValue(std::string_view figure, std::string_view decimalSeparator);

// A run's frames-per-second text as a whole-number score: FigureValue, rounded half to even.
std::optional<int> ConvertScore(std::string_view figure, std::string_view decimalSeparator);

}  // namespace tamsendor::report

#include "tools/results/results_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <tuple>

#include "text/utf8.h"

namespace tamsendor::results {

namespace {

constexpr char kNone[] = "-";

struct Column {
  std::string Title;
  bool AlignRight = false;
};

std::size_t CharacterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < utf8.size(); ++count)
    text::NextCharacter(utf8, at);
  return count;
}

// Columns two blanks apart, each as wide as its widest cell, under a line of dashes.
std::string FormatTable(const std::vector<Column>& columns,
                        const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const Column& column : columns)
    widths.push_back(CharacterCount(column.Title));
  for (const auto& row : rows)
    for (std::size_t i = 0; i < columns.size(); ++i)
      widths[i] = std::max(widths[i], CharacterCount(row[i]));

  std::string out;
  auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::string padding(widths[i] - CharacterCount(cells[i]), ' ');
      if (i > 0)
        text += "  ";
      text += columns[i].AlignRight ? padding + cells[i] : cells[i] + padding;
    }
    while (!text.empty() && text.back() == ' ')
      text.pop_back();
    out += text + "\n";
  };
  std::vector<std::string> titles;
  std::vector<std::string> dashes;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    titles.push_back(columns[i].Title);
    dashes.emplace_back(widths[i], '-');
  }
  line(titles);
  line(dashes);
  for (const auto& row : rows)
    line(row);
  return out;
}

// Fixed decimals, rounded alike on every system (to_chars, not the C library's printf).
std::string Fixed(double value, int decimals) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, result.ptr);
}

std::string Optional(const std::optional<double>& value) {
  return value ? FormatFigure(*value) : kNone;
}

// "1280x1024", as scripts like to match it; the user's own size is marked so.
std::string ResolutionText(const ResolutionResult& r) {
  if (!r.Width || !r.Height)
    return r.Name;
  return std::to_string(*r.Width) + "x" + std::to_string(*r.Height) + (r.Custom ? " custom" : "");
}

// "2007-11-23T21:05:07+01:00" as "2007-11-23 21:05"; anything else as it is.
std::string DateText(const std::string& started) {
  if (started.size() >= 16 && started[10] == 'T')
    return started.substr(0, 10) + " " + started.substr(11, 5);
  return started;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

// The moment of "2007-11-23T21:05:07+01:00" in seconds of UTC, so that benchmarks from either
// side of a change to summer time sort in the order they ran.
std::optional<long long> UtcSeconds(const std::string& started) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, offsetHours = 0,
      offsetMinutes = 0;
  char sign = 0;
  int length = 0;
  if (std::sscanf(started.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d%n", &year, &month, &day, &hour,
                  &minute, &second, &sign, &offsetHours, &offsetMinutes, &length) != 9 ||
      static_cast<std::size_t>(length) != started.size() || (sign != '+' && sign != '-') ||
      month < 1 || month > 12 || day < 1 || day > 31)
    return std::nullopt;
  const long long offset = (offsetHours * 60LL + offsetMinutes) * 60 * (sign == '-' ? -1 : 1);
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
         hour * 3600LL + minute * 60LL + second - offset;
}

std::string ChangeText(const double* from, const double* to) {
  if (!from || !to || *from <= 0)
    return kNone;
  const std::string change = Fixed((*to - *from) / *from * 100.0, 1);
  if (change == "-0.0")
    return "+0.0%";
  return (change.front() == '-' ? "" : "+") + change + "%";
}

}  // namespace

std::string FormatFigure(double value) {
  std::string figure = Fixed(value, 2);
  while (figure.back() == '0')
    figure.pop_back();
  if (figure.back() == '.')
    figure.pop_back();
  if (figure == "-0")
    figure = "0";
  return figure;
}

std::string ListTable(std::vector<NamedResults> files) {
  // By the moment each started (a time that cannot be read last), then by name.
  const auto order = [](const NamedResults& file) {
    const std::optional<long long> moment = UtcSeconds(file.Results.Started);
    return std::make_tuple(!moment.has_value(), moment.value_or(0), file.FileName);
  };
  std::sort(files.begin(), files.end(),
            [&](const NamedResults& a, const NamedResults& b) { return order(a) < order(b); });
  std::vector<std::vector<std::string>> rows;
  for (const NamedResults& file : files) {
    for (const ResolutionResult& r : file.Results.Resolutions) {
      const std::string range =
          r.Min && r.Max ? FormatFigure(*r.Min) + " - " + FormatFigure(*r.Max) : kNone;
      rows.push_back({DateText(file.Results.Started), ResolutionText(r), r.Demo,
                      Optional(r.Average), range, file.FileName});
    }
  }
  return FormatTable(
      {{"Date"}, {"Resolution"}, {"Demo"}, {"Average", true}, {"Range", true}, {"File"}}, rows);
}

std::string CompareTable(const NamedResults& first, const NamedResults& second) {
  const auto key = [](const ResolutionResult& r) { return ResolutionText(r); };
  const auto find = [&](const BenchmarkResults& results, const std::string& wanted) {
    const auto& all = results.Resolutions;
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const ResolutionResult& r) { return key(r) == wanted; });
    return it == all.end() ? nullptr : &*it;
  };
  // The first benchmark's resolutions in its order, then those only the second ran.
  std::vector<std::string> keys;
  for (const BenchmarkResults* results : {&first.Results, &second.Results})
    for (const ResolutionResult& r : results->Resolutions)
      if (std::find(keys.begin(), keys.end(), key(r)) == keys.end())
        keys.push_back(key(r));

  std::vector<std::vector<std::string>> rows;
  std::string notes;
  for (const std::string& k : keys) {
    const ResolutionResult* a = find(first.Results, k);
    const ResolutionResult* b = find(second.Results, k);
    if (a && b && a->Demo != b->Demo)
      notes += "Note: at " + k + " A ran \"" + a->Demo + "\" and B ran \"" + b->Demo + "\".\n";
    // Pointers, not copied optionals: GCC 12 warns of copies it cannot follow.
    const double* from = a && a->Average ? &*a->Average : nullptr;
    const double* to = b && b->Average ? &*b->Average : nullptr;
    rows.push_back({k, from ? FormatFigure(*from) : kNone, to ? FormatFigure(*to) : kNone,
                    ChangeText(from, to)});
  }
  std::string out = "A: " + first.FileName + " (" + DateText(first.Results.Started) + ")\n" +
                    "B: " + second.FileName + " (" + DateText(second.Results.Started) + ")\n\n";
  out += FormatTable({{"Resolution"}, {"A", true}, {"B", true}, {"Change", true}}, rows);
  return out + notes;
}

}  // namespace tamsendor::results

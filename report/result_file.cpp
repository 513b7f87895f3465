#include "report/result_file.h"

#include <vector>

namespace tamsendor::report {

namespace {

// Lines end with CR, LF or CR LF.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n')
      continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    lines.push_back(text.substr(start));
  return lines;
}

// Field `index` (from 0) of a comma-separated record; nullopt when the record has no comma after
// it. The engine ends every field with a comma, and a record cut short must not pass for one.
std::optional<std::string_view> FieldEndedByComma(std::string_view record, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) {
    const std::size_t comma = record.find(',', start);
    if (comma == std::string_view::npos)
      return std::nullopt;
    start = comma + 1;
  }
  const std::size_t end = record.find(',', start);
  if (end == std::string_view::npos)
    return std::nullopt;
  return record.substr(start, end - start);
}

// A field as a column name: without the blanks around it.
std::string_view Trimmed(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
    field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
    field.remove_suffix(1);
  return field;
}

// The position of the "fps" column in a header line, if it names one.
std::optional<std::size_t> FpsColumn(std::string_view header) {
  std::size_t column = 0;
  std::size_t start = 0;
  while (start <= header.size()) {
    std::size_t end = header.find(',', start);
    if (end == std::string_view::npos)
      end = header.size();
    if (Trimmed(header.substr(start, end - start)) == "fps")
      return column;
    ++column;
    start = end + 1;
  }
  return std::nullopt;
}

bool IsBlankLine(std::string_view line) {
  return Trimmed(line).empty();
}

}  // namespace

std::optional<std::string> ReadScoreField(std::string_view fileText) {
  const std::vector<std::string_view> lines = SplitLines(fileText);

  // Newer engines: the header is the first line that is not empty.
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i]))
      continue;
    const auto fps = FpsColumn(lines[i]);
    if (!fps)
      break;
    for (std::size_t row = lines.size(); row-- > i + 1;) {
      if (IsBlankLine(lines[row]))
        continue;
      const auto field = FieldEndedByComma(lines[row], *fps);
      if (!field)
        return std::nullopt;
      return std::string(*field);
    }
    return std::nullopt;  // a header without rows
  }

  if (lines.size() < 4)
    return std::nullopt;
  const auto field = FieldEndedByComma(lines[3], 2);
  if (!field)
    return std::nullopt;
  return std::string(*field);
}

}  // namespace tamsendor::report

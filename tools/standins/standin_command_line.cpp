#include "tools/standins/standin_command_line.h"

#include <charconv>

namespace tamsendor::standin {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (text.empty() || ec != std::errc() || ptr != last)
    return std::nullopt;
  return value;
}

}  // namespace

std::vector<CommandLineToken> SplitCommandLine(std::string_view line) {
  std::vector<CommandLineToken> tokens;
  std::size_t i = 0;
  const std::size_t n = line.size();

  // The program name knows no escapes: up to the closing quote, or to the first blank.
  if (n > 0 && !IsBlank(line[0])) {
    CommandLineToken program{{}, 0, 0};
    if (line[0] == '"') {
      const std::size_t close = line.find('"', 1);
      const std::size_t stop = close == std::string_view::npos ? n : close;
      program.text = std::string(line.substr(1, stop - 1));
      i = close == std::string_view::npos ? n : close + 1;
    } else {
      while (i < n && !IsBlank(line[i]))
        ++i;
      program.text = std::string(line.substr(0, i));
    }
    program.end = i;
    tokens.push_back(std::move(program));
  }

  while (true) {
    while (i < n && IsBlank(line[i]))
      ++i;
    if (i >= n)
      break;
    CommandLineToken token{{}, i, i};
    bool quoted = false;
    while (i < n && (quoted || !IsBlank(line[i]))) {
      if (line[i] == '\\') {
        std::size_t backslashes = 0;
        while (i < n && line[i] == '\\') {
          ++backslashes;
          ++i;
        }
        if (i < n && line[i] == '"') {
          token.text.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            token.text += '"';
            ++i;
          }
        } else {
          token.text.append(backslashes, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < n && line[i + 1] == '"') {
          token.text += '"';  // "" inside quotes is a literal quote
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        token.text += line[i++];
      }
    }
    token.end = i;
    tokens.push_back(std::move(token));
  }
  return tokens;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i]))
      return false;
  }
  return true;
}

std::optional<std::string> AppLaunchOptions(std::string_view line) {
  const std::vector<CommandLineToken> tokens = SplitCommandLine(line);
  for (std::size_t k = 1; k + 1 < tokens.size(); ++k) {
    if (EqualsIgnoringCase(tokens[k].text, "-applaunch") && tokens[k + 1].text == "420") {
      std::size_t from = tokens[k + 1].end;
      while (from < line.size() && IsBlank(line[from]))
        ++from;
      return std::string(line.substr(from));
    }
  }
  return std::nullopt;
}

bool HasArgument(std::string_view line, std::string_view option) {
  const std::vector<CommandLineToken> tokens = SplitCommandLine(line);
  for (std::size_t k = 1; k < tokens.size(); ++k) {
    if (EqualsIgnoringCase(tokens[k].text, option))
      return true;
  }
  return false;
}

GameOptions ParseGameOptions(std::string_view line) {
  const std::vector<CommandLineToken> tokens = SplitCommandLine(line);
  GameOptions options;
  bool timedemoSeen = false;
  struct NumberOption {
    std::string_view name;
    std::optional<int>* value;
    bool seen;
  };
  NumberOption numbers[] = {
      {"-width", &options.width, false},
      {"-height", &options.height, false},
      {"-dxlevel", &options.dxlevel, false},
      {"-heapsize", &options.heapsize, false},
      {"-refresh", &options.refresh, false},
      {"+r_fastzreject", &options.fastZReject, false},
      {kSecondCopyOption, &options.secondCopyMs, false},
  };
  for (std::size_t k = 1; k + 1 < tokens.size(); ++k) {
    const std::string& name = tokens[k].text;
    const std::string& value = tokens[k + 1].text;
    if (!timedemoSeen && EqualsIgnoringCase(name, "+timedemoquit")) {
      options.timedemo = value;
      timedemoSeen = true;
      continue;
    }
    for (NumberOption& option : numbers) {
      if (!option.seen && EqualsIgnoringCase(name, option.name)) {
        *option.value = ParseInt(value);
        option.seen = true;
      }
    }
  }
  return options;
}

std::string FirstLine(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  const std::size_t stop = text.find_first_of("\r\n");
  if (stop != std::string_view::npos)
    text = text.substr(0, stop);
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return std::string(text);
}

}  // namespace tamsendor::standin

#include "tools/standins/standin_fps.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace tamsendor::standin {
namespace {

constexpr std::int64_t kScale = 144'000'000'000;
constexpr std::int64_t kFixedCost = 40'000'000;  // what the game costs whatever the size

std::optional<int> ParseConsoleInt(std::string_view text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
    return std::nullopt;
  return value;
}

// One console line: a variable name and its value, quoted or not; "//" starts a comment.
void ApplyConsoleLine(std::string_view line, GameSettings& settings) {
  if (const std::size_t comment = line.find("//"); comment != std::string_view::npos)
    line = line.substr(0, comment);
  // Console lines follow the same word rules as a command line after the program name; the
  // leading blank says there is no program name.
  std::string wordsText(1, ' ');
  wordsText += line;
  const std::vector<CommandLineToken> words = SplitCommandLine(wordsText);
  if (words.size() < 2)
    return;
  const std::optional<int> value = ParseConsoleInt(words[1].text);
  if (!value)
    return;
  if (EqualsIgnoringCase(words[0].text, "mat_antialias"))
    settings.antialias = *value;
  else if (EqualsIgnoringCase(words[0].text, "mat_hdr_level"))
    settings.hdrLevel = *value;
}

std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::int64_t RoundedDivide(std::int64_t numerator, std::int64_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

}  // namespace

GameSettings ComposeGameSettings(const GameOptions& options, const StoredSettings& stored,
                                 std::string_view autoexec) {
  GameSettings settings;
  if (stored.antialias)
    settings.antialias = static_cast<int>(std::min<std::uint32_t>(*stored.antialias, 64));
  if (stored.hdrLevel)
    settings.hdrLevel = static_cast<int>(std::min<std::uint32_t>(*stored.hdrLevel, 64));

  while (!autoexec.empty()) {
    const std::size_t stop = autoexec.find_first_of("\r\n");
    ApplyConsoleLine(autoexec.substr(0, stop), settings);
    autoexec = stop == std::string_view::npos ? std::string_view() : autoexec.substr(stop + 1);
  }

  if (options.width.value_or(0) > 0 && options.height.value_or(0) > 0) {
    settings.width = *options.width;
    settings.height = *options.height;
  }
  if (options.dxlevel)
    settings.dxlevel = *options.dxlevel;
  settings.fastZReject = options.fastZReject.value_or(0) != 0;
  return settings;
}

std::int64_t FpsTenths(const GameSettings& settings, const std::optional<Jitter>& jitter) {
  const std::int64_t width = std::clamp(settings.width, 1, 65535);
  const std::int64_t height = std::clamp(settings.height, 1, 65535);

  std::int64_t weight = settings.dxlevel >= 95 ? 115 : settings.dxlevel >= 90 ? 100 : 85;
  weight += 10 * (std::clamp(settings.antialias, 1, 16) - 1);
  weight += 10 * std::clamp(settings.hdrLevel, 0, 2);
  if (settings.fastZReject)
    weight -= 5;

  std::int64_t tenths = RoundedDivide(kScale, width * height * weight + kFixedCost);
  if (jitter) {
    const std::uint64_t size =
        (static_cast<std::uint64_t>(width) << 32) | static_cast<std::uint64_t>(height);
    const std::uint64_t hash = Mix(Mix(Mix(jitter->seed) ^ jitter->launch) ^ size);
    const std::int64_t permille = static_cast<std::int64_t>(hash % 81) - 40;
    tenths = RoundedDivide(tenths * (1000 + permille), 1000);
  }
  return std::max<std::int64_t>(tenths, 1);
}

std::string FormatTenths(std::int64_t tenths) {
  const bool negative = tenths < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(tenths) : static_cast<std::uint64_t>(tenths);
  const std::string whole = std::to_string(magnitude / 10);
  const std::size_t length = whole.size() + 2 + (negative ? 1 : 0);
  std::string text(length < 5 ? 5 - length : 0, ' ');
  if (negative)
    text += '-';
  text += whole;
  text += '.';
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

}  // namespace tamsendor::standin

#include "tools/standins/standin_control.h"

#include <charconv>
#include <string>

namespace tamsendor::standin {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
    return std::nullopt;
  return value;
}

void SetMilliseconds(std::string_view value, int& target) {
  if (const std::optional<int> ms = ParseNumber<int>(value); ms && *ms >= 0)
    target = *ms;
}

void SetMode(std::string_view value, GameMode& mode) {
  struct Name {
    std::string_view text;
    GameMode mode;
  };
  static constexpr Name kNames[] = {
      {"normal", GameMode::kNormal},
      {"crash", GameMode::kCrash},
      {"crash_late", GameMode::kCrashLate},
      {"hang", GameMode::kHang},
      {"nothing", GameMode::kNothing},
      {"malformed_short", GameMode::kMalformedShort},
      {"malformed_fields", GameMode::kMalformedFields},
      {"malformed_fps", GameMode::kMalformedFps},
  };
  for (const Name& name : kNames) {
    if (EqualsIgnoringCase(value, name.text))
      mode = name.mode;
  }
}

}  // namespace

ControlSettings ParseControlFile(std::string_view text) {
  ControlSettings settings;
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  while (!text.empty()) {
    const std::size_t stop = text.find_first_of("\r\n");
    const std::string_view line = Trim(text.substr(0, stop));
    text = stop == std::string_view::npos ? std::string_view() : text.substr(stop + 1);

    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '#' ||
        equals == std::string_view::npos)
      continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (EqualsIgnoringCase(key, "mode"))
      SetMode(value, settings.mode);
    else if (EqualsIgnoringCase(key, "play_ms"))
      SetMilliseconds(value, settings.playMs);
    else if (EqualsIgnoringCase(key, "hang_ms"))
      SetMilliseconds(value, settings.hangMs);
    else if (EqualsIgnoringCase(key, "second_copy_ms"))
      SetMilliseconds(value, settings.secondCopyMs);
    else if (EqualsIgnoringCase(key, "seed")) {
      if (const auto seed = ParseNumber<std::uint32_t>(value))
        settings.seed = seed;
    }
  }
  return settings;
}

std::optional<MalformedKind> MalformedKindOf(GameMode mode) {
  switch (mode) {
    case GameMode::kMalformedShort:
      return MalformedKind::kShort;
    case GameMode::kMalformedFields:
      return MalformedKind::kFewFields;
    case GameMode::kMalformedFps:
      return MalformedKind::kBadFps;
    default:
      return std::nullopt;
  }
}

}  // namespace tamsendor::standin

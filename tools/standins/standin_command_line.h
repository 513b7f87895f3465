#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Command lines as the stand-in Steam client and game read them. Text is UTF-8; the Windows entry
// points convert at the boundary.
namespace tamsendor::standin {

// One argument of a Windows command line and where it stands in the raw text, so that the rest
// of a line can be passed on exactly as it was written.
struct CommandLineToken {
  std::string text;   // with quotes and escapes resolved
  std::size_t begin;  // offset of its first character in the raw line
  std::size_t end;    // offset just past its last character
};

// Splits a command line as the C runtime does: the program name up to the first blank (or inside
// quotes), then arguments separated by blanks, with double quotes grouping and backslashes
// escaping quotes. The program name is the first token.
std::vector<CommandLineToken> SplitCommandLine(std::string_view line);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The text after "-applaunch 420", unchanged but for leading blanks; nullopt when the line does
// not ask for Episode Two. Every word is looked at, because an unquoted program path with blanks
// ("C:/Program Files (x86)/Steam/steam.exe") spreads over several words.
std::optional<std::string> AppLaunchOptions(std::string_view line);

// Whether an argument (not the program name) equals option, ignoring case.
bool HasArgument(std::string_view line, std::string_view option);

// The options the stand-in game reads. Absent or non-numeric values stay empty; as in the engine,
// the first occurrence of an option counts.
struct GameOptions {
  std::optional<int> width;
  std::optional<int> height;
  std::optional<int> dxlevel;
  std::optional<int> heapsize;
  std::optional<int> refresh;
  std::optional<int> fastZReject;  // +r_fastzreject
  std::string timedemo;            // +timedemoquit NAME
  // Set only in the extra game process the first one starts on request: how long it lives.
  std::optional<int> secondCopyMs;
};

// The option that marks the extra game process.
inline constexpr std::string_view kSecondCopyOption = "-tamsendor_standin_second_copy";

GameOptions ParseGameOptions(std::string_view line);

// The first line of a text file: without a UTF-8 byte order mark, line break or surrounding
// blanks.
std::string FirstLine(std::string_view text);

}  // namespace tamsendor::standin

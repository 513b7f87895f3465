#pragma once

#include <string>
#include <string_view>

namespace tamsendor::core {

// The game's own folder inside `GamesFolder`, where its hl2.exe lies.
inline constexpr char kGameFolderName[] = "half-life 2 episode two\\";

// The folders the program works in, found at start-up; each ends with a separator, and paths are
// formed by appending names.
struct Folders {
  std::string ProgramFolder;  // this program's own folder
  std::string SteamFolder;    // the Steam client's folder, with "/" separators as Steam writes it
  std::string GamesFolder;    // the folder that holds the game's own folder
  // The game's own folder, where its hl2.exe lies: "half-life 2 episode two" in GamesFolder, or
  // the folder Steam's manifest of the game names.
  std::string GameFolder;
  std::string GameCfgFolder;  // the game's ep2\cfg\ folder
  std::string GameModFolder;  // the game's ep2\ folder
  std::string ResultsFolder;  // where reports are saved
};

// The folder text ending in a separator: `separator` is added unless it already ends in "\" or
// "/". An empty text stays empty.
std::string EndWithSeparator(std::string folder, char separator);

// A folder as read from the registry, made a folder text like every other: ending in a separator
// (`separator` where it has none). A value that cannot be a Windows folder (a control character,
// or one of " < > | * ?) is treated as absent and gives the empty text: it would otherwise reach
// file names and the game's command line.
std::string StoredFolderText(std::string_view stored, char separator);

}  // namespace tamsendor::core

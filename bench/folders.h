#pragma once

#include <string>

namespace tamsendor::bench {

// The game's own folder inside `GamesFolder`, where its hl2.exe lies.
inline constexpr char kGameFolderName[] = "half-life 2 episode two\\";

// The folders the program works in, found at start-up; each ends with a separator, and paths are
// formed by appending names.
struct Folders {
  std::string ProgramFolder;  // this program's own folder
  std::string SteamFolder;    // the Steam client's folder, with "/" separators as Steam writes it
  std::string GamesFolder;    // the folder that holds "half-life 2 episode two"
  std::string GameCfgFolder;  // the game's ep2\cfg\ folder
  std::string GameModFolder;  // the game's ep2\ folder
  std::string ResultsFolder;  // where reports are saved
};

}  // namespace tamsendor::bench

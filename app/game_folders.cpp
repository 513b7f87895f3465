#include "app/game_folders.h"

#include "core/product_key.h"
#include "core/steam_key.h"
#include "platform/path_text.h"
#include "steam/steam_libraries.h"

namespace tamsendor::app {

namespace {

constexpr char kGameExecutable[] = "hl2.exe";
constexpr char kGameAppId[] = "420";
constexpr char kBrowseTitle[] = "Browse for HL2 ETWO executable";
constexpr char kBrowseFilter[] = "HL2 ETWO executable (hl2.exe)|hl2.exe";

// Steam writes its folder with "/", the search and the dialogs with "\": both count.
std::size_t LastSeparator(std::string_view text) {
  return text.find_last_of("\\/");
}

}  // namespace

std::string ParentFolderText(std::string_view folderWithSeparator) {
  if (folderWithSeparator.empty())
    return {};
  const std::string_view folder = folderWithSeparator.substr(0, folderWithSeparator.size() - 1);
  const std::size_t cut = LastSeparator(folder);
  return cut == std::string_view::npos ? std::string() : std::string(folder.substr(0, cut + 1));
}

void GameFolders::FindSteamAndGame() {
  // An empty "SteamPath" counts as none ("/" would send the search through a whole drive), and
  // so does one that cannot be a folder: it starts the game's command line.
  folders_.SteamFolder = core::StoredFolderText(
      s_.registry.ReadString(core::kSteamRoot, core::kSteamKey, "SteamPath").value_or(""), '/');

  // Where Steam itself says it installed the game, in any of its library folders: it reads two
  // small files where the search walks a whole tree.
  const std::optional<std::string> installed =
      folders_.SteamFolder.empty()
          ? std::nullopt
          : steam::InstalledGameFolder(s_.files, folders_.SteamFolder, kGameAppId, kGameExecutable);
  std::string gameFolder;
  const std::string stored = core::ReadProductValue(s_.registry, "Path");
  if (!stored.empty()) {
    // A game that moved leaves its folder behind: a folder without the game is as stale as a
    // folder that is gone. The game's own folder is the usual one, or the one Steam names there.
    const std::string games = core::StoredFolderText(stored, '\\');
    if (!games.empty() && s_.files.FileExists(games + core::kGameFolderName + kGameExecutable)) {
      HL2PathEdit_.SetText(games);
    } else if (!games.empty() && installed &&
               platform::PathKey(ParentFolderText(*installed)) == platform::PathKey(games)) {
      HL2PathEdit_.SetText(games);
      gameFolder = *installed;
    }
  } else if (installed) {
    gameFolder = *installed;
    HL2PathEdit_.SetText(ParentFolderText(*installed));
  } else {
    if (!folders_.SteamFolder.empty()) {
      const std::string found = s_.search.FindLast(folders_.SteamFolder, kGameExecutable);
      const std::size_t cut = LastSeparator(found);
      if (cut != std::string::npos)
        FindFile1FileMatch(found.substr(0, cut + 1));
    }
    HL2PathEdit_.SetText(folders_.GamesFolder);
  }
  // Steam names its folder with "/"; the game's folder is shown, and kept, with "\" throughout.
  HL2PathEdit_.SetText(platform::WithBackslashes(HL2PathEdit_.Text()));
  core::WriteProductValue(s_.registry, "Path", HL2PathEdit_.Text());
  SetGamesFolder(HL2PathEdit_.Text(), gameFolder);
}

void GameFolders::FindFile1FileMatch(const std::string& folderOfMatch) {
  folders_.GamesFolder = ParentFolderText(folderOfMatch);
}

void GameFolders::RzToolButton2Click() {
  const auto chosen = s_.fileDialogs.OpenFile(kBrowseTitle, kBrowseFilter, HL2PathEdit_.Text());
  if (!chosen)
    return;
  const std::size_t cut = LastSeparator(*chosen);
  if (cut == std::string::npos)
    return;
  const std::string folderOfGame = chosen->substr(0, cut) + "\\";
  if (!core::ProductKeyExists(s_.registry))
    return;
  // The game's own folder may have any name; the one above it is what is kept.
  const std::string gamesFolder = ParentFolderText(folderOfGame);
  core::WriteProductValue(s_.registry, "Path", gamesFolder);
  HL2PathEdit_.SetText(gamesFolder);
  SetGamesFolder(gamesFolder, folderOfGame);
}

void GameFolders::SetGamesFolder(const std::string& gamesFolder, const std::string& gameFolder) {
  folders_.GamesFolder = gamesFolder;
  // A game not found has no folders: relative names would point into whatever folder is
  // current, and the program would write the game's files there.
  if (gamesFolder.empty()) {
    folders_.GameFolder.clear();
    folders_.GameModFolder.clear();
    folders_.GameCfgFolder.clear();
    return;
  }
  folders_.GameFolder = gameFolder.empty() ? gamesFolder + core::kGameFolderName : gameFolder;
  folders_.GameModFolder = folders_.GameFolder + "ep2\\";
  folders_.GameCfgFolder = folders_.GameModFolder + "cfg\\";
}

}  // namespace tamsendor::app

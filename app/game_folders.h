#pragma once

#include <string>
#include <string_view>

#include "core/folders.h"
#include "platform/file_dialogs.h"
#include "platform/file_search.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "ui/edit.h"

namespace tamsendor::app {

// The folder that holds a given folder, ending in a separator: "X:\Games\" from
// "X:\Games\half-life 2 episode two\". Empty when the text names no parent.
std::string ParentFolderText(std::string_view folderWithSeparator);

struct GameFolderServices {
  platform::Registry& registry;
  const platform::FileSystem& files;
  const platform::FileSearch& search;
  platform::FileDialogs& fileDialogs;
};

// Where the Steam client and the game are. The game's folder is the one stored as "Path" and
// shown in `HL2PathEdit`; the game's own folders below it follow it.
class GameFolders {
 public:
  GameFolders(const GameFolderServices& services, ui::Edit& HL2PathEdit, core::Folders& folders)
      : s_(services), HL2PathEdit_(HL2PathEdit), folders_(folders) {}

  // Start-up: the Steam folder from Steam's own key; the game folder from "Path" while the game
  // is still in it, else where Steam's library folders and the game's manifest say it is, else
  // searched for below the Steam folder. "Path" is stored again either way, so a stale or
  // never-found path is searched for again at the next start.
  void FindSteamAndGame();

  // The user points at the game's hl2.exe; the folder above the game's own folder is stored.
  void RzToolButton2Click();

  // A found hl2.exe, given as the folder that holds it (ending in a separator).
  void FindFile1FileMatch(const std::string& folderOfMatch);

 private:
  // The folder that holds the game, and the game's own folder in it when it is not the usual
  // "half-life 2 episode two" (empty: the usual one).
  void SetGamesFolder(const std::string& gamesFolder, const std::string& gameFolder = "");

  GameFolderServices s_;
  ui::Edit& HL2PathEdit_;
  core::Folders& folders_;
};

}  // namespace tamsendor::app

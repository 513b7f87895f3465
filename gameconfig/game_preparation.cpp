#include "gameconfig/game_preparation.h"

namespace tamsendor::gameconfig {

bool GamePreparation::GameIsWhereItWasFound() {
  constexpr char kChooseIt[] =
      "Please choose its hl2.exe with the browse button on the \"Path & information\" page.";
  if (folders_.GameCfgFolder.empty() || folders_.GameModFolder.empty()) {
    dialogs_.ShowMessage(std::string("The folder of Half-Life 2 Episode Two is not known. ") +
                         kChooseIt);
    return false;
  }
  // A game that was moved or uninstalled leaves its folder name behind: launching would play
  // nothing, and placing our files would make the game's folders anew at the old place.
  const std::string& game = folders_.GameFolder;
  if (!files_.FileExists(game + "hl2.exe")) {
    dialogs_.ShowMessage(
        "Half-Life 2 Episode Two is no longer in its folder (hl2.exe is "
        "missing):\n\n" +
        game + "\n\n" + kChooseIt);
    return false;
  }
  if (!files_.DirectoryExists(folders_.GameModFolder) ||
      !files_.DirectoryExists(folders_.GameCfgFolder)) {
    dialogs_.ShowMessage(
        "The game's folder is incomplete: its ep2\\cfg folder is missing. Please let Steam verify "
        "the game's files (the game's Properties, Local Files).\n\n" +
        folders_.GameCfgFolder);
    return false;
  }
  return true;
}

bool GamePreparation::PrepareGame() {
  if (!GameIsWhereItWasFound())
    return false;
  if (!demos_.CheckDemoChoice() || !autoexec_.BackupAutoexec())
    return false;
  if (!demos_.InstallDemo()) {
    autoexec_.RestoreAutoexec();
    return false;
  }
  settings_.ApplyFilterSettings();
  settings_.WriteGameSettings();
  return autoexec_.ComposeAutoexec(settings_.Lines());
}

}  // namespace tamsendor::gameconfig

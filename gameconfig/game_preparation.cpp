#include "gameconfig/game_preparation.h"

namespace tamsendor::gameconfig {

bool GamePreparation::PrepareGame() {
  // Without the game's folders every file name would point into whatever folder is current.
  if (folders_.GameCfgFolder.empty() || folders_.GameModFolder.empty()) {
    dialogs_.ShowMessage(
        "The folder of Half-Life 2 Episode Two is not known. Please choose its hl2.exe with the "
        "browse button on the \"Path & information\" page.");
    return false;
  }
  if (!demos_.CheckDemoChoice() || !autoexec_.BackupAutoexec())
    return false;
  if (!demos_.InstallDemo()) {
    autoexec_.RestoreAutoexec();
    return false;
  }
  settings_.ApplyFilterSettings();
  settings_.WriteGameSettings();
  return autoexec_.ComposeAutoexec();
}

}  // namespace tamsendor::gameconfig

#pragma once

#include "core/folders.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_settings.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

namespace tamsendor::gameconfig {

// Readies the game for a benchmark: the user's autoexec.cfg set aside, the demo placed, the
// game's settings and the generated autoexec.cfg written. Nothing is changed before it is known
// that the demo can be placed, and whatever step fails, the user's files are put back before the
// user is told.
class GamePreparation {
 public:
  GamePreparation(const core::Folders& folders, const platform::FileSystem& files,
                  platform::Dialogs& dialogs, AutoexecFiles& autoexec, DemoInstaller& demos,
                  GameRegistrySettings& settings)
      : folders_(folders),
        files_(files),
        dialogs_(dialogs),
        autoexec_(autoexec),
        demos_(demos),
        settings_(settings) {}

  // false: no benchmark starts; the user has been told why.
  bool PrepareGame();

 private:
  bool GameIsWhereItWasFound();

  const core::Folders& folders_;
  const platform::FileSystem& files_;
  platform::Dialogs& dialogs_;
  AutoexecFiles& autoexec_;
  DemoInstaller& demos_;
  GameRegistrySettings& settings_;
};

}  // namespace tamsendor::gameconfig

#pragma once

#include <string>

#include "core/folders.h"
#include "gameconfig/game_settings.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/short_wait.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"

namespace tamsendor::gameconfig {

struct AutoexecControls {
  ui::ComboBox& HDRBox;
  ui::ComboBox& MBlurBox;
  ui::CheckBox& ColorCorrBox;
};

// The game's autoexec.cfg for the length of a benchmark: the user's own file is moved aside to
// autoexec_old.cfg, a generated one takes its place, and the user's comes back afterwards. The
// user's file is never overwritten or lost, whatever fails or whenever the program is stopped:
// at every moment it is either autoexec.cfg or autoexec_old.cfg, byte for byte.
class AutoexecFiles {
 public:
  static constexpr std::uint32_t kSettleMs = 250;

  AutoexecFiles(const AutoexecControls& controls, platform::FileSystem& files,
                platform::Dialogs& dialogs, platform::ShortWait& wait, const core::Folders& folders)
      : c_(controls), files_(files), dialogs_(dialogs), wait_(wait), folders_(folders) {}

  // Sets the user's autoexec.cfg aside. An autoexec_old.cfg left by an interrupted benchmark is
  // the user's file and stays the backup; a generated autoexec.cfg beside it is removed. false
  // when it cannot be done safely: the user has been told, and the files are as they were.
  bool BackupAutoexec();
  // Writes the generated autoexec.cfg with the filter lines. false when it cannot be written: the
  // user has been told and their file is back.
  bool ComposeAutoexec(const FilterLines& filters);
  // Puts the user's file back, or removes the generated one when the user had none. Does
  // nothing once the benchmark's restore is done (`AutoexecRestored`); a new benchmark's backup
  // makes it due again. Only a generated
  // autoexec.cfg is ever removed or replaced, and a lone one only when this program composed it
  // and has not restored it since. false when the user's file could not be put back: the user
  // has been told, their file is safe as autoexec_old.cfg, and a later restore tries again.
  bool RestoreAutoexec();

  bool ComposedNotRestored() const { return composed_; }
  // The detail level the generated file sets, as the report names it.
  const std::string& DetailLevelName() const { return DetailLevelName_; }
  // An autoexec.cfg this program composed lies in the game's folder (also one from before a
  // crash, known by its opening lines).
  bool GeneratedFilePresent() const;

 private:
  std::string CfgPath() const { return folders_.GameCfgFolder + "autoexec.cfg"; }
  std::string OldPath() const { return folders_.GameCfgFolder + "autoexec_old.cfg"; }
  bool IsOurs(const std::string& path) const;
  bool PutUsersFileBack();
  void Tell(const std::string& what, const std::string& path, const std::string& reason);

  AutoexecControls c_;
  platform::FileSystem& files_;
  platform::Dialogs& dialogs_;
  platform::ShortWait& wait_;
  const core::Folders& folders_;
  bool composed_ = false;
  // The user's autoexec.cfg is back after the last benchmark; until then every way out puts it
  // back.
  bool AutoexecRestored_ = false;
  std::string DetailLevelName_;
};

}  // namespace tamsendor::gameconfig

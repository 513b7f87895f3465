#include "gameconfig/autoexec_files.h"

#include "gameconfig/autoexec_text.h"

namespace tamsendor::gameconfig {

bool AutoexecFiles::IsOurs(const std::string& path) const {
  // The file tells by its opening lines, also after a crash, when nothing remembers the
  // composition, and when the user put a file of their own there meanwhile. One that cannot be
  // read is not known to be ours and is left alone.
  const auto text = files_.ReadBytes(path);
  return text && LooksComposed(*text);
}

bool AutoexecFiles::GeneratedFilePresent() const {
  const std::string cfg = CfgPath();
  return files_.FileExists(cfg) && IsOurs(cfg);
}

void AutoexecFiles::Tell(const std::string& what, const std::string& path,
                         const std::string& reason) {
  std::string message = what + "\n\n" + path;
  if (!reason.empty())
    message += "\n" + reason;
  dialogs_.ShowMessage(message);
}

bool AutoexecFiles::BackupAutoexec() {
  AutoexecRestored_ = false;
  const std::string cfg = CfgPath();
  const std::string old = OldPath();
  if (files_.FileExists(old)) {
    // Left by a benchmark that did not finish: it holds the user's file and stays the backup.
    if (!files_.FileExists(cfg))
      return true;
    if (!IsOurs(cfg)) {
      Tell(
          "The game's configuration folder holds both autoexec.cfg and autoexec_old.cfg, and "
          "autoexec.cfg was not written by this program. To keep both safe, the benchmark does "
          "not start. Please keep the one you need as autoexec.cfg and remove the other:",
          folders_.GameCfgFolder, "");
      return false;
    }
    if (const platform::FileResult removed = files_.RemoveFile(cfg); !removed) {
      Tell(
          "The benchmark cannot start: the generated autoexec.cfg left by an earlier benchmark "
          "cannot be removed.",
          cfg, removed.reason);
      return false;
    }
    composed_ = false;
    return true;
  }
  if (!files_.FileExists(cfg))
    return true;
  if (const platform::FileResult moved = files_.MoveReplacing(cfg, old); !moved) {
    Tell("The benchmark cannot start: your autoexec.cfg cannot be set aside.", cfg, moved.reason);
    return false;
  }
  return true;
}

bool AutoexecFiles::ComposeAutoexec(const FilterLines& filters) {
  DetailLevelName_ = "Maximum";
  const AutoexecChoices choices{c_.HDRBox.ItemIndex(),  c_.ColorCorrBox.Checked(),
                                filters.AnisoLine,      filters.TrilinearLine,
                                filters.AaQualityLine,  filters.AntialiasLine,
                                c_.MBlurBox.ItemIndex()};
  const std::string cfg = CfgPath();
  if (const platform::FileResult written = files_.WriteBytes(cfg, ComposeAutoexecText(choices));
      !written) {
    Tell("The benchmark cannot start: the game's autoexec.cfg cannot be written.", cfg,
         written.reason);
    RestoreAutoexec();
    return false;
  }
  composed_ = true;
  return true;
}

bool AutoexecFiles::RestoreAutoexec() {
  if (AutoexecRestored_)
    return true;
  AutoexecRestored_ = PutUsersFileBack();
  return AutoexecRestored_;
}

bool AutoexecFiles::PutUsersFileBack() {
  const std::string cfg = CfgPath();
  const std::string old = OldPath();
  if (files_.FileExists(old)) {
    // Only our own file gives way to the backup. An autoexec.cfg of the user's beside an
    // autoexec_old.cfg (theirs too, or set aside by a benchmark the user then replaced the
    // generated file of) is current and stays; so does the other file.
    if (files_.FileExists(cfg)) {
      if (!IsOurs(cfg)) {
        composed_ = false;
        return true;
      }
      files_.RemoveFile(cfg);
    }
    wait_.Wait(kSettleMs);
    if (const platform::FileResult moved = files_.MoveReplacing(old, cfg); !moved) {
      Tell(
          "Your autoexec.cfg could not be put back. It is safe as autoexec_old.cfg; the program "
          "puts it back at its next start of a benchmark or close.",
          old, moved.reason);
      return false;
    }
  } else if (composed_ && files_.FileExists(cfg) && IsOurs(cfg)) {
    files_.RemoveFile(cfg);
  }
  composed_ = false;
  return true;
}

}  // namespace tamsendor::gameconfig

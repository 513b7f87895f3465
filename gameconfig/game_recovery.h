#pragma once

#include "core/folders.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "ui/edit.h"

namespace tamsendor::gameconfig {

// Puts the game's folder back when a benchmark ends and whenever the program is left, and
// offers at start-up to remove an autoexec.cfg that a benchmark cut short may have left.
class GameRecovery {
 public:
  GameRecovery(ui::Edit& NoteEdit, platform::FileSystem& files, platform::Registry& registry,
               platform::Dialogs& dialogs, const core::Folders& folders, AutoexecFiles& autoexec,
               DemoInstaller& demos)
      : NoteEdit_(NoteEdit),
        files_(files),
        registry_(registry),
        dialogs_(dialogs),
        folders_(folders),
        autoexec_(autoexec),
        demos_(demos) {}

  // At start-up, once NoteEdit shows the stored note. Until then the field holds its design
  // default, and leaving the program must not store that over the user's note.
  void NoteLoaded() { noteLoaded_ = true; }
  // At start-up, once the folders and the stored choices are known.
  void CheckLeftoverAutoexec();
  // After the last run, once the user's autoexec.cfg is back.
  void CleanUpAfterBenchmark();
  // A benchmark that ended early: the game as before it, at once.
  void PutGameBack();
  // After a crash of the program: the user's autoexec.cfg back and our demos gone, as a close
  // during a benchmark does, and nothing else. True when the user's file is back (or was never
  // away); what fails is left to the next start's leftover check.
  bool PutGameBackAfterCrash();

  // The ways of leaving the program.
  void FormCloseQuery();
  void FormClose();
  void SpeedButton1Click();

 private:
  // What writes cut short left beside their destinations in the game's and the results' folders.
  void RemoveLeftoverTemporaries();
  // The note is kept for the next start; the DirectX facts are collected anew then.
  void SaveNoteAndForgetDirectXFacts();
  void WriteNoErrorWarning(const char* value);

  ui::Edit& NoteEdit_;
  platform::FileSystem& files_;
  platform::Registry& registry_;
  platform::Dialogs& dialogs_;
  const core::Folders& folders_;
  AutoexecFiles& autoexec_;
  DemoInstaller& demos_;
  bool noteLoaded_ = false;
};

}  // namespace tamsendor::gameconfig

#include "gameconfig/game_recovery.h"

#include "core/product_key.h"

namespace tamsendor::gameconfig {

namespace {
constexpr char kLeftoverQuestion[] =
    "Maybe the last time an error occured. The program restored the original settings, but found "
    "an autoexec.cfg file in your HL2 user folder. If it's not yours, please delete it. Do you "
    "wish to delete the autoexec.cfg file?";
}

void GameRecovery::WriteNoErrorWarning(const char* value) {
  core::WriteProductValue(registry_, "NoErrorWarning", value);
}

void GameRecovery::RemoveLeftoverTemporaries() {
  for (const std::string* folder :
       {&folders_.GameCfgFolder, &folders_.GameModFolder, &folders_.ResultsFolder})
    files_.RemoveLeftoverTemporaries(*folder);
}

void GameRecovery::CheckLeftoverAutoexec() {
  // A write cut short by a crash or a kill left its temporary file beside its destination.
  RemoveLeftoverTemporaries();

  // Only a file this program composed is a leftover: a user's own autoexec.cfg is no sign of
  // an error, and the question must never offer to delete it.
  const bool leftover = autoexec_.GeneratedFilePresent();
  if (leftover || files_.FileExists(folders_.ProgramFolder + "hl2set.ini"))
    WriteNoErrorWarning("1");

  if (core::ReadProductValue(registry_, "NoErrorWarning") != "1")
    return;
  // An autoexec_old.cfg beside it is the user's file; the next restore puts it back.
  if (leftover && dialogs_.ConfirmYesNo(kLeftoverQuestion)) {
    // The question may have waited a long time: a file the user has put there meanwhile is
    // theirs, and stays.
    if (autoexec_.GeneratedFilePresent())
      files_.RemoveFile(folders_.GameCfgFolder + "autoexec.cfg");
    WriteNoErrorWarning("0");
  }
}

void GameRecovery::CleanUpAfterBenchmark() {
  WriteNoErrorWarning("0");
  demos_.RemoveShippedDemos();
}

void GameRecovery::PutGameBack() {
  autoexec_.RestoreAutoexec();
  CleanUpAfterBenchmark();
}

bool GameRecovery::PutGameBackAfterCrash() {
  const bool restored = autoexec_.RestoreAutoexec();
  demos_.RemoveShippedDemos();
  // The crash may have cut a write short.
  RemoveLeftoverTemporaries();
  return restored;
}

void GameRecovery::SaveNoteAndForgetDirectXFacts() {
  if (noteLoaded_)
    core::WriteProductValue(registry_, "Note", NoteEdit_.Text());
  for (const char* name : {"Display Memory", "Driver Version", "Sound"})
    core::WriteProductValue(registry_, name, "");
}

void GameRecovery::FormCloseQuery() {
  autoexec_.RestoreAutoexec();
  demos_.RemoveShippedDemos();
  SaveNoteAndForgetDirectXFacts();
}

void GameRecovery::SpeedButton1Click() {
  // The Exit button ends the program at once, also during a benchmark: it must leave the game as
  // a close does, or the generated autoexec.cfg stays and the user's file waits aside.
  FormCloseQuery();
}

void GameRecovery::FormClose() {
  SaveNoteAndForgetDirectXFacts();
  demos_.RemoveShippedDemos();
}

}  // namespace tamsendor::gameconfig

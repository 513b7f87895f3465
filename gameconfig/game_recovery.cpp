#include "gameconfig/game_recovery.h"

#include "bench/product_key.h"

namespace tamsendor::gameconfig {

namespace {
constexpr char kLeftoverQuestion[] =
    "Maybe the last time an error occured. The program restored the original settings, but found "
    "an autoexec.cfg file in your HL2 user folder. If it's not yours, please delete it. Do you "
    "wish to delete the autoexec.cfg file?";
}

void GameRecovery::WriteNoErrorWarning(const char* value) {
  bench::WriteProductValue(registry_, "NoErrorWarning", value);
}

void GameRecovery::CheckLeftoverAutoexec() {
  // Only a file this program composed is a leftover: a user's own autoexec.cfg is no sign of
  // an error, and the question must never offer to delete it. Without a game folder the names
  // alone would point into whatever folder is current.
  const bool leftover = !folders_.GameCfgFolder.empty() && autoexec_.GeneratedFilePresent();
  if (leftover || files_.FileExists(folders_.ProgramFolder + "hl2set.ini"))
    WriteNoErrorWarning("1");

  if (bench::ReadProductValue(registry_, "NoErrorWarning") != "1")
    return;
  // An autoexec_old.cfg beside it is the user's file; the next restore puts it back.
  if (leftover && dialogs_.ConfirmYesNo(kLeftoverQuestion)) {
    files_.RemoveFile(folders_.GameCfgFolder + "autoexec.cfg");
    WriteNoErrorWarning("0");
  }
}

void GameRecovery::CleanUpAfterBenchmark() {
  WriteNoErrorWarning("0");
  demos_.RemoveShippedDemos();
}

void GameRecovery::SaveNoteAndForgetDirectXFacts() {
  if (noteLoaded_)
    bench::WriteProductValue(registry_, "Note", NoteEdit_.Text());
  for (const char* name : {"Display Memory", "Driver Version", "Sound"})
    bench::WriteProductValue(registry_, name, "");
}

void GameRecovery::FormCloseQuery() {
  if (!state_.AutoexecRestored)
    autoexec_.RestoreAutoexec();
  demos_.RemoveShippedDemos();
  SaveNoteAndForgetDirectXFacts();
}

void GameRecovery::FormClose() {
  SaveNoteAndForgetDirectXFacts();
  demos_.RemoveShippedDemos();
}

void GameRecovery::SpeedButton1Click() {
  demos_.RemoveShippedDemos();
  SaveNoteAndForgetDirectXFacts();
}

}  // namespace tamsendor::gameconfig

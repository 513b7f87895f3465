#pragma once

#include "core/folders.h"
#include "platform/dialogs.h"
#include "platform/document_opener.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/program_image.h"
#include "platform/registry.h"
#include "ui/edit.h"

namespace tamsendor::app {

struct ResultsFolderServices {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::FileDialogs& fileDialogs;
  platform::DocumentOpener& opener;
  platform::Dialogs& dialogs;
};

// Where reports are saved: the folder shown in `ResEdit` and stored as "ResultPath", by default
// the "Benchmark" folder beside the program.
class ResultsFolderChoice {
 public:
  ResultsFolderChoice(const ResultsFolderServices& services, ui::Edit& ResEdit,
                      core::Folders& folders)
      : s_(services), ResEdit_(ResEdit), folders_(folders) {}

  // Start-up: the program's own folder, and in it the default results folder, made if missing.
  void SetUpProgramFolder(const platform::ProgramImage& program);
  // Start-up: the stored folder while it exists, ending in its separator, else the default;
  // what is shown is stored.
  void ReadResultPath();

  void RzToolButton5Click();
  void ResEditExit();
  void OpenResFolderClick();

 private:
  void Show(const std::string& folder);

  ResultsFolderServices s_;
  ui::Edit& ResEdit_;
  core::Folders& folders_;
};

}  // namespace tamsendor::app

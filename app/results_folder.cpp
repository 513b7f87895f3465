#include "app/results_folder.h"

#include "core/product_key.h"
#include "platform/path_text.h"

namespace tamsendor::app {

namespace {

constexpr char kDefaultFolderName[] = "Benchmark\\";

}  // namespace

void ResultsFolderChoice::SetUpProgramFolder(const platform::ProgramImage& program) {
  folders_.ProgramFolder =
      core::EndWithSeparator(platform::ParentFolder(program.ExecutablePath()), '\\');
  const std::string defaultFolder = folders_.ProgramFolder + kDefaultFolderName;
  if (!s_.files.DirectoryExists(defaultFolder))
    s_.files.MakeDirectories(defaultFolder);
}

void ResultsFolderChoice::ReadResultPath() {
  const std::string stored = core::ReadProductValue(s_.registry, "ResultPath");
  std::string folder = core::StoredFolderText(stored, '\\');
  if (folder.empty() || !s_.files.DirectoryExists(folder))
    folder = folders_.ProgramFolder + kDefaultFolderName;
  Show(folder);
  // Also a folder stored without its separator is stored again as it is now used.
  if (folder != stored)
    core::WriteProductValue(s_.registry, "ResultPath", folder);
}

void ResultsFolderChoice::RzToolButton5Click() {
  const auto chosen = s_.fileDialogs.PickFolder("Results folder", ResEdit_.Text());
  if (!chosen)
    return;
  // A drive root ("D:\") already ends with its separator.
  Show(chosen->size() <= 3 ? *chosen : *chosen + "\\");
  core::WriteProductValue(s_.registry, "ResultPath", ResEdit_.Text());
}

void ResultsFolderChoice::ResEditExit() {
  if (!ResEdit_.Text().empty())
    core::WriteProductValue(s_.registry, "ResultPath", ResEdit_.Text());
}

void ResultsFolderChoice::OpenResFolderClick() {
  const std::string folder = ResEdit_.Text();
  if (folder.empty())
    return;
  if (s_.files.DirectoryExists(folder))
    s_.opener.Open(folder);  // the file browser shows it
  else
    s_.dialogs.ShowMessage("The results directory not exist.");
}

void ResultsFolderChoice::Show(const std::string& folder) {
  ResEdit_.SetText(folder);
  folders_.ResultsFolder = folder;
}

}  // namespace tamsendor::app

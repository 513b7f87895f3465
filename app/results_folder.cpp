#include "app/results_folder.h"

#include "bench/product_key.h"
#include "platform/path_text.h"

namespace tamsendor::app {

namespace {

constexpr char kDefaultFolderName[] = "Benchmark\\";

std::string WithSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
    folder += '\\';
  return folder;
}

}  // namespace

void ResultsFolderChoice::SetUpProgramFolder(const platform::ProgramImage& program) {
  folders_.ProgramFolder = WithSeparator(platform::ParentFolder(program.ExecutablePath()));
  const std::string defaultFolder = folders_.ProgramFolder + kDefaultFolderName;
  if (!s_.files.DirectoryExists(defaultFolder))
    s_.files.MakeDirectories(defaultFolder);
}

void ResultsFolderChoice::ReadResultPath() {
  Show(bench::ReadProductValue(s_.registry, "ResultPath"));
  if (ResEdit_.Text().empty() || !s_.files.DirectoryExists(ResEdit_.Text())) {
    Show(folders_.ProgramFolder + kDefaultFolderName);
    bench::WriteProductValue(s_.registry, "ResultPath", ResEdit_.Text());
  }
}

void ResultsFolderChoice::RzToolButton5Click() {
  const auto chosen = s_.fileDialogs.PickFolder("Results folder", ResEdit_.Text());
  if (!chosen)
    return;
  // A drive root ("D:\") already ends with its separator.
  Show(chosen->size() <= 3 ? *chosen : *chosen + "\\");
  bench::WriteProductValue(s_.registry, "ResultPath", ResEdit_.Text());
}

void ResultsFolderChoice::ResEditExit() {
  if (!ResEdit_.Text().empty())
    bench::WriteProductValue(s_.registry, "ResultPath", ResEdit_.Text());
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

#include "app/help_and_links.h"

#include <string>

#include "core/maker.h"

namespace tamsendor::app {

void HelpAndLinks::RzShapeButton4Click() {
  // Without the program's folder the name alone would point into whatever folder is current.
  const std::string help = folders_.ProgramFolder + "Help.pdf";
  if (!folders_.ProgramFolder.empty() && files_.FileExists(help)) {
    opener_.Open(help);
    return;
  }
  dialogs_.ShowMessage("Corrupt Help file, please reinstall the Korvalin Tamsendor.");
}

void HelpAndLinks::RzShapeButton3Click() {
  opener_.Open(std::string(core::kHomePage));
}

void HelpAndLinks::RzGroup3Items3Click() {
  opener_.Open(std::string(core::kHomePage));
}

void HelpAndLinks::RzGroup3Items0Click() {
  opener_.Open(std::string(core::kTweakGuidePage));
}

}  // namespace tamsendor::app

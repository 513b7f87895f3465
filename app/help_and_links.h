#pragma once

#include "core/folders.h"
#include "platform/dialogs.h"
#include "platform/document_opener.h"
#include "platform/file_system.h"

namespace tamsendor::app {

// The help file and the web links of the main window. Each is handed to the shell's "open"; a
// missing viewer or browser shows nothing, as the shell's failure is not examined.
class HelpAndLinks {
 public:
  HelpAndLinks(const platform::FileSystem& files, platform::Dialogs& dialogs,
               platform::DocumentOpener& opener, const core::Folders& folders)
      : files_(files), dialogs_(dialogs), opener_(opener), folders_(folders) {}

  // "Help.pdf" beside the program, or the message to reinstall when it is missing.
  void RzShapeButton4Click();
  // The maker's home page: the "Visit our site" button and the "Homepage" item.
  void RzShapeButton3Click();
  void RzGroup3Items3Click();
  // The tweak guide page: the "HL2 EO Tweakguide" item.
  void RzGroup3Items0Click();

 private:
  const platform::FileSystem& files_;
  platform::Dialogs& dialogs_;
  platform::DocumentOpener& opener_;
  const core::Folders& folders_;
};

}  // namespace tamsendor::app

#pragma once

#include <string>

#include "core/folders.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

namespace tamsendor::gameconfig {

struct DemoControls {
  ui::RadioGroup& demo;
  ui::Edit& DemoEdit;
  ui::Control& DemoEditButton;
};

// The timedemo a benchmark plays: one of the two shipped demos, copied from the program's folder
// into the game's ep2 folder, or the user's own demo file. The user's file is never deleted or
// replaced without asking.
class DemoInstaller {
 public:
  DemoInstaller(const DemoControls& controls, platform::FileSystem& files,
                platform::Registry& registry, platform::Dialogs& dialogs,
                platform::FileDialogs& fileDialogs, const core::Folders& folders)
      : c_(controls),
        files_(files),
        registry_(registry),
        dialogs_(dialogs),
        fileDialogs_(fileDialogs),
        folders_(folders) {}

  // Before anything of the game's is changed: is there a demo to place? false when not, and the
  // user has been told why.
  bool CheckDemoChoice();
  // Places the chosen demo and sets `DemoName` and `DemoCaption`. false when the file could not
  // be placed; the user has been told.
  bool InstallDemo();
  // Removes the shipped demos this program placed in the game's folder. A file of the same name
  // that is not a copy of ours, or that the user chose as their demo, is theirs and stays.
  void RemoveShippedDemos();

  void demoChanging();
  void demoMouseLeave();
  // The user chooses their own demo file; it is kept for the next start.
  void DemoEditButtonClick();

  // The demo the last installation chose: the name given after "+timedemoquit", and the demo
  // as the report names it.
  const std::string& DemoName() const { return DemoName_; }
  const std::string& DemoCaption() const { return DemoCaption_; }

  // The name the game's console is given for a demo file, or empty when the file is no demo or
  // its name is one the console cannot take.
  static std::string DemoNameOf(std::string_view fileName);

 private:
  bool IsOurShippedDemo(const std::string& fileName) const;
  void RemoveIfOurs(const char* fileName);
  bool Place(const std::string& source, const std::string& placed);
  bool PlaceShipped(const std::string& fileName);
  bool PlaceCustom();
  void StoreChoice();
  bool Copy(const std::string& from, const std::string& to);

  DemoControls c_;
  platform::FileSystem& files_;
  platform::Registry& registry_;
  platform::Dialogs& dialogs_;
  platform::FileDialogs& fileDialogs_;
  const core::Folders& folders_;
  std::string DemoName_;
  std::string DemoCaption_;
};

}  // namespace tamsendor::gameconfig

#pragma once

#include "app/app_services.h"
#include "tests/fakes/fake_file_search.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_host_facts.h"
#include "tests/fakes/fake_processes.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_system_folders.h"
#include "tests/fakes/fake_program_image.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::fakes {

// One of each fake, handed to the main window as its services. The product key and Steam's key
// exist, as on a machine where both were installed.
struct FakeAppServices {
  FakeAppServices() {
    registry.CreateKey(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Korvalin\\Quillax");
    registry.CreateKey(platform::RegistryRoot::CurrentUser, "Software\\Valve\\Steam");
  }

  app::AppServices Get() {
    return {ui,          registry, files,    launcher, processes, dialogs, placement,
            clock,       display,  opener,   host,     probes,    program, search,
            fileDialogs, wait,     identity, folders,  directx,   taskbar};
  }

  VirtualUiThread ui;
  FakeRegistry registry;
  FakeFileSystem files;
  FakeProcessLauncher launcher{ui};
  FakeProcessTable processes;
  FakeDialogs dialogs;
  FakeWindowPlacement placement;
  FakeLocaleClock clock;
  FakeDisplayModes display;
  FakeDocumentOpener opener;
  FakeHostFacts host;
  FakeAdapterProbes probes;
  FakeProgramImage program;
  FakeFileSearch search;
  FakeFileDialogs fileDialogs;
  FakeShortWait wait;
  FakeUserIdentity identity;
  FakeSystemFolders folders;
  FakeDirectXProvider directx;
  FakeTaskbarProgress taskbar;
};

}  // namespace tamsendor::fakes

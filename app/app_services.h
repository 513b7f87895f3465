#pragma once

#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/document_opener.h"
#include "platform/file_dialogs.h"
#include "platform/file_search.h"
#include "platform/file_system.h"
#include "platform/host_facts.h"
#include "platform/locale_clock.h"
#include "platform/processes.h"
#include "platform/program_image.h"
#include "platform/registry.h"
#include "platform/short_wait.h"
#include "platform/ui_thread.h"
#include "platform/user_identity.h"
#include "platform/window_placement.h"
#include "platform/adapter_probes.h"
#include "platform/directx_provider.h"
#include "platform/system_folders.h"
#include "platform/taskbar_progress.h"

namespace tamsendor::app {

// The operating system as the main window hands it down: one instance of each service, owned by
// the program entry (or by a test), for the whole program run.
struct AppServices {
  platform::Timers& timers;
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::ProcessLauncher& launcher;
  platform::ProcessTable& processes;
  platform::Dialogs& dialogs;
  platform::WindowPlacement& placement;
  platform::LocaleClock& clock;
  platform::DisplayModes& display;
  platform::DocumentOpener& opener;
  const platform::HostFacts& host;
  platform::AdapterProbes& probes;
  platform::ProgramImage& program;
  platform::FileSearch& search;
  platform::FileDialogs& fileDialogs;
  platform::ShortWait& wait;
  const platform::UserIdentity& identity;
  const platform::SystemFolders& folders;
  platform::DirectXProvider& directx;
  platform::TaskbarProgress& taskbar;
};

}  // namespace tamsendor::app

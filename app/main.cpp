#include <windows.h>
#include <commctrl.h>

#include "app/main_artwork.h"
#include "app/main_form.h"
#include "app/picker_form.h"
#include "platform/win32/controls/application_peer.h"
#include "platform/win32/controls/form_window.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_file_search.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_host_facts.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_program_image.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_ui_thread.h"
#include "platform/win32/win32_user_identity.h"
#include "sysinfo/unprobed_adapters.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace tamsendor;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  win32::Win32UiThread uiThread;
  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  win32::Win32ProcessLauncher launcher(uiThread);
  win32::Win32ProcessTable processes;
  win32::Win32Dialogs dialogs(L"Korvalin Tamsendor");
  win32::Win32WindowPlacement placement;
  win32::Win32LocaleClock clock;
  win32::Win32DisplayModes display;
  win32::Win32DocumentOpener opener;
  const win32::Win32HostFacts host(registry);
  sysinfo::UnprobedAdapters probes;

  win32::Win32ProgramImage program;
  win32::Win32FileSearch search;
  win32::Win32FileDialogs fileDialogs;
  win32::Win32ShortWait wait;
  const win32::Win32UserIdentity identity;

  ui::Application application("Korvalin Tamsendor");
  app::TForm1 form1(application,
                    {uiThread, registry, files, launcher, processes, dialogs, placement, clock,
                     display, opener, host, probes, program, search, fileDialogs, wait, identity});
  const app::MainArtwork artwork;
  win32::FormWindow window(form1.Form(), form1.Controls(), artwork, win32::FormWindow::Role::Main);
  app::TForm3 form3(form1, registry, display, uiThread);
  win32::FormWindow window3(form3.Form(), form3.Controls(), artwork,
                            win32::FormWindow::Role::Secondary, window.Handle());
  placement.Attach(window.Handle());
  dialogs.SetOwner(window.Handle());
  opener.SetOwner(window.Handle());
  fileDialogs.SetOwner(window.Handle());
  win32::ApplicationPeer applicationPeer(window.Handle());
  application.AttachPeer(&applicationPeer);
  form1.Form().Show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "app/about_box.h"
#include "app/crash_response.h"
#include "app/main_form.h"
#include "app/news_form.h"
#include "app/picker_form.h"
#include "platform/win32/artwork/program_artwork.h"
#include "app/splash.h"
#include "app/update_wizard.h"
#ifdef TAMSENDOR_TEST_BUILD
#include "app/test_build_faults.h"
#endif
#include "core/event_trail.h"
#include "core/maker.h"
#include "platform/win32/controls/application_peer.h"
#include "platform/win32/controls/dialog_keys.h"
#include "platform/win32/controls/form_window.h"
#include "platform/win32/crash_guard.h"
#include "platform/win32/win32_crash_report.h"
#include "platform/win32/win32_directx_provider.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_display_driver.h"
#include "platform/win32/win32_file_downloader.h"
#include "platform/win32/update_helper_start.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_file_search.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_host_facts.h"
#include "platform/win32/win32_online_check.h"
#include "platform/win32/win32_page_fetcher.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_program_image.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ui_thread.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_taskbar_progress.h"
#include "platform/win32/win32_user_identity.h"
#include "sysinfo/adapter_probes.h"
#include "ui/application.h"

#ifdef TAMSENDOR_START_UP_BENCHMARK
// The start-up benchmark's own build (never shipped): the rest of the start-up without the wait.
constexpr std::uint32_t kSplashShownMs = 0;
#else
constexpr std::uint32_t kSplashShownMs = tamsendor::app::kSplashMs;
#endif

#ifdef TAMSENDOR_TEST_BUILD
#include "scaled_timers.h"

// The test build (never shipped) takes what a test sets in the environment.
std::string TestSetting(const wchar_t* name) {
  wchar_t value[2048];
  const DWORD length = GetEnvironmentVariableW(name, value, 2048);
  if (length == 0 || length >= 2048)
    return {};
  return tamsendor::win32::Narrow(std::wstring_view(value, length));
}
// Every wait of the program divided by TAMSENDOR_TEST_TIME_SCALE (1 to 100), so that a test runs
// a benchmark of several runs in seconds.
std::uint32_t TimeScale() {
  const std::string text = TestSetting(L"TAMSENDOR_TEST_TIME_SCALE");
  std::uint32_t scale = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || scale > 100)
      return 1;
    scale = scale * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return scale >= 1 && scale <= 100 ? scale : 1;
}
// The news page and the update server's information file a test serves, when the test names
// them.
std::string NewsAddress() {
  const std::string address = TestSetting(L"TAMSENDOR_TEST_NEWS_PAGE");
  return address.empty() ? std::string(tamsendor::core::kNewsPage) : address;
}
std::string UpdateInfoAddress() {
  const std::string address = TestSetting(L"TAMSENDOR_TEST_UPDATE_INFO");
  return address.empty() ? std::string(tamsendor::core::kUpdateInfoAddress) : address;
}
#else
std::string NewsAddress() {
  return std::string(tamsendor::core::kNewsPage);
}
std::string UpdateInfoAddress() {
  return std::string(tamsendor::core::kUpdateInfoAddress);
}
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace tamsendor;
  // First of all: from here on a crash of the program's own puts the game back and offers the
  // user a report.
  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  win32::Win32LocaleClock clock;
  const win32::Win32HostFacts host(registry);
  win32::Win32ProgramImage program;
  win32::Win32CrashReportStore crashStore;
  win32::Win32CrashDialog crashDialog;
  app::CrashResponse crashResponse({crashStore, crashDialog, files, host, clock},
                                   program.FileVersion(), core::ProgramTrail());
  win32::CrashGuard::Install(
      [&crashResponse](const platform::CrashFacts& facts) { crashResponse.Handle(facts); });

  // A second start only brings the running copy to the front, before anything of its own shows.
  win32::SingleInstance instance(L"Korvalin.Tamsendor");
  if (!instance.BecomeTheRunningCopy(GetCommandLineW()))
    return 0;

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  win32::Win32UiThread uiThread;
#ifdef TAMSENDOR_TEST_BUILD
  benchmarks::ScaledTimers timers(uiThread, TimeScale());
#else
  platform::Timers& timers = uiThread;
#endif
  win32::Win32ProcessLauncher launcher(uiThread);
  win32::Win32ProcessTable processes;
  win32::Win32Dialogs dialogs(L"Korvalin Tamsendor");
  win32::Win32WindowPlacement placement;
  win32::Win32DisplayModes display;
  win32::Win32DocumentOpener opener;
  win32::Win32DisplayDriver displayDriver;
  sysinfo::DriverAdapterProbes probes(displayDriver, registry, clock);

  win32::Win32FileSearch search;
  win32::Win32FileDialogs fileDialogs;
  win32::Win32ShortWait wait;
  const win32::Win32UserIdentity identity;
  const win32::Win32SystemFolders systemFolders;
  win32::Win32DirectXProvider directx;
  win32::Win32TaskbarProgress taskbar;

  ui::Application application("Korvalin Tamsendor");
  const win32::artwork::ProgramArtwork artwork;
  win32::ApplicationPeer applicationPeer(artwork);
  application.AttachPeer(&applicationPeer);

  // Shows the splash; the rest of the start-up, and then this window, follow when its time is up.
  app::TForm1 form1(application,
                    {timers,      registry, files,    launcher,      processes, dialogs, placement,
                     clock,       display,  opener,   host,          probes,    program, search,
                     fileDialogs, wait,     identity, systemFolders, directx,   taskbar},
                    kSplashShownMs);
  win32::FormWindow window(form1.Form(), form1.Controls(), artwork, win32::FormWindow::Role::Main);
  applicationPeer.SetMainWindow(window.Handle());
  instance.ServeLaterStarts(window.Handle());
  placement.Attach(window.Handle());
  taskbar.Attach(window.Handle());
  dialogs.SetOwner(window.Handle());
  // After a crash the game goes back as a close during a benchmark puts it back, but without a
  // message: the window that would own one is the crashed thread's.
  crashResponse.SetGameCleanUp([&dialogs, &form1] {
    dialogs.Silence();
    return form1.PutGameBackAfterCrash();
  });
  opener.SetOwner(window.Handle());
  fileDialogs.SetOwner(window.Handle());

  app::TForm3 form3(form1, registry, display, uiThread);
  win32::FormWindow window3(form3.Form(), form3.Controls(), artwork,
                            win32::FormWindow::Role::Secondary, window.Handle());
  win32::Win32OnlineCheck onlineCheck;
  win32::Win32PageFetcher pageFetcher(uiThread);
  app::TForm5 form5(form1.Form(), {onlineCheck, pageFetcher, uiThread, opener}, NewsAddress());
  win32::FormWindow newsWindow(form5.Form(), form5.Controls(), artwork,
                               win32::FormWindow::Role::Secondary, window.Handle());
  // "Check for newer version": the check, its download window, and the hand-over to the helper
  // that installs the release once this program has ended.
  const std::string downloadFolder =
      systemFolders.TemporaryFolder() + "Korvalin Tamsendor update\\";
  app::TUpdateWizard wizard(uiThread);
  win32::FormWindow wizardWindow(wizard.Form(), wizard.Controls(), artwork,
                                 win32::FormWindow::Role::Secondary, window.Handle());
  win32::Win32PageFetcher updateInfo(uiThread, true);
  win32::Win32FileDownloader downloads(uiThread);
  win32::UpdateHelperStart helper(program.ExecutablePath(), downloadFolder);
  update::Updater updater({updateInfo, downloads, dialogs, files, uiThread}, wizard.Parts(),
                          UpdateInfoAddress(), downloadFolder,
                          [&form1, &helper](const std::string& setup) {
                            // The program ends for the setup program, as any close ends it (a
                            // benchmark under way is asked about first); the helper starts it
                            // again.
                            return helper.Prepare() && form1.Form().Close() && helper.Start(setup);
                          });
  updater.SetVersionNumber(program.FileVersion());
  form1.Named().RzShapeButton1.OnClick = [&updater] { updater.RzShapeButton1Click(); };
  // What an earlier update left; the helper that started this program may still be ending.
  updater.RemoveDownloads();
  uiThread.After(10000, [&updater] { updater.RemoveDownloads(); });

  // Never shown: the splash is an about box of its own.
  app::TAboutBox aboutBox(uiThread);
  win32::FormWindow aboutWindow(aboutBox.Form(), aboutBox.Controls(), artwork,
                                win32::FormWindow::Role::Secondary, window.Handle());

#ifdef TAMSENDOR_TEST_BUILD
  app::ArmTestFault(app::TestFaultNamed(TestSetting(L"TAMSENDOR_TEST_FAULT")), uiThread,
                    core::ProgramTrail());
#endif

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0)
    win32::DeliverMessage(message);
  return static_cast<int>(message.wParam);
}

#pragma once

#include "app/app_services.h"
#include "app/benchmark_stop.h"
#include "app/close_clean_up.h"
#include "app/game_folders.h"
#include "app/heap_size_advice.h"
#include "app/help_and_links.h"
#include "app/main_controls.h"
#include "app/main_pages.h"
#include "app/results_folder.h"
#include "app/settings_controls.h"
#include "app/settings_store.h"
#include "app/settings_writers.h"
#include "app/splash.h"
#include "app/window_lifecycle.h"
#include "bench/benchmark_start.h"
#include "core/folders.h"
#include "core/process_runner.h"
#include "bench/resolution_launcher.h"
#include "bench/run_sequencer.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_preparation.h"
#include "gameconfig/game_recovery.h"
#include "gameconfig/game_settings.h"
#include "report/result_collection.h"
#include "sysinfo/directx_facts.h"
#include "ui/application.h"
#include "ui/laid_out_form.h"

namespace tamsendor::app {

// The main window: its controls, made from its layout, the state and objects it owns for the
// whole program run, and the wiring of each control's event to the handler of the same name. No
// behaviour lives here.
class TForm1 : public ui::LaidOutForm {
 public:
  // The start-up begins with the splash; the rest of it, and the window, come when the splash has
  // shown for splashMs.
  TForm1(ui::Application& application, const AppServices& services,
         std::uint32_t splashMs = kSplashMs);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The controls the program works with, by name and kind.
  MainControls& Named() { return c_; }
  const MainControls& Named() const { return c_; }
  CloseCleanUp& CleanUp() { return cleanUp_; }
  // After a crash, on the crash layer's thread: the game's files as before the benchmark.
  bool PutGameBackAfterCrash() { return recovery_.PutGameBackAfterCrash(); }
  const core::RunState& Progress() const { return sequencer_.Progress(); }
  const sysinfo::DirectXFacts& DirectXFacts() const { return directx_.Facts(); }
  const core::Folders& Folders() const { return folders_; }
  const report::ResultCollection& Collection() const { return collection_; }
  const Splash& StartUpSplash() const { return splash_; }
  // The start-up has run to its end (or to a broken installation's stop) and the window shows.
  bool StartedUp() const { return startedUp_; }

 private:
  void FormCreate();
  // The report starts with what the benchmark's start, the game's preparation and the DirectX
  // diagnostic know of it.
  void WriteReportHeader();
  void RunStartUpSteps();
  void Connect();
  void ConnectSettings();

  AppServices services_;
  std::uint32_t splashMs_;
  bool startedUp_ = false;
  MainControls c_;
  CloseCleanUp cleanUp_;
  WindowLifecycle lifecycle_;
  MainPages pages_;

  core::Folders folders_;
  core::ProcessRunners runners_;
  sysinfo::DirectXInformation directx_;
  gameconfig::GameRegistrySettings gameSettings_;
  gameconfig::AutoexecFiles autoexec_;
  gameconfig::DemoInstaller demos_;
  gameconfig::GameRecovery recovery_;
  gameconfig::GamePreparation preparation_;
  bench::ResolutionLauncher launcher_;
  report::ResultCollection collection_;
  bench::RunSequencer sequencer_;
  bench::BenchmarkStart start_;
  SettingsStore store_;
  SettingsWriters writers_;
  HeapSizeAdvice heapAdvice_;
  GameFolders games_;
  ResultsFolderChoice results_;
  HelpAndLinks links_;
  BenchmarkStop stop_;
  // Last, so it goes first: a program that ends during the splash never runs the rest of its
  // start-up.
  Splash splash_;
};

}  // namespace tamsendor::app

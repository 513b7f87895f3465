#pragma once

#include <string>

#include "core/folders.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_recovery.h"
#include "tests/common/bench_controls.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::gameconfig::testing {

inline constexpr char kUsersFile[] = "exec userconfig.cfg\r\nbind \"F5\" \"jpeg\"\r\n";

// An installed game and this program's folder, with the game-configuration objects as the main
// window wires them.
struct GameFolder {
  GameFolder() {
    folders.ProgramFolder = "C:\\Program Files\\Korvalin Tamsendor\\";
    folders.GamesFolder = "C:\\Program Files (x86)\\Steam\\steamapps\\common\\";
    folders.GameModFolder = folders.GamesFolder + "half-life 2 episode two\\ep2\\";
    folders.GameCfgFolder = folders.GameModFolder + "cfg\\";
    files.AddFile(folders.ProgramFolder + "qordemo1.dem", "shipped demo 1");
    files.AddFile(folders.ProgramFolder + "qordemo2.dem", "shipped demo 2");
    files.AddDirectory(folders.GameCfgFolder);
    registry.CreateKey(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Korvalin\\Quillax");
    demo.SetItems({"QOR demo 1", "QOR demo 2", "Custom demo:"});
  }

  std::string Cfg() const { return folders.GameCfgFolder + "autoexec.cfg"; }
  std::string Old() const { return folders.GameCfgFolder + "autoexec_old.cfg"; }
  std::string Mod(const std::string& name) const { return folders.GameModFolder + name; }
  std::string Read(const std::string& path) const {
    return files.ReadBytes(path).value_or("<missing>");
  }

  fakes::VirtualUiThread ui;
  tamsendor::testing::BenchControls controls{ui};
  fakes::FakeFileSystem files;
  fakes::FakeRegistry registry;
  fakes::FakeDialogs dialogs;
  fakes::FakeShortWait wait;
  fakes::FakeFileDialogs fileDialogs;
  core::Folders folders;
  AutoexecFiles autoexec{controls.ForAutoexec(), files, dialogs, wait, folders};
  ui::RadioGroup demo{"demo"};
  ui::Edit DemoEdit{"DemoEdit"};
  ui::Control DemoEditButton{"DemoEditButton"};
  DemoInstaller demos{
      {demo, DemoEdit, DemoEditButton}, files, registry, dialogs, fileDialogs, folders};
  GameRecovery recovery{controls.NoteEdit, files, registry, dialogs, folders, autoexec, demos};
};

}  // namespace tamsendor::gameconfig::testing

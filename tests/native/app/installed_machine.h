#pragma once

#include <string>

#include "gameconfig/game_settings.h"
#include "gameconfig/user_sid.h"
#include "tests/common/simulated_game.h"
#include "tests/native/app/started_form.h"
#include "ui/picture_button.h"

namespace tamsendor::testing {

// A machine with the program, the Steam client (running) and the game installed, the user's own
// autoexec.cfg in the game, and stored choices: the first shipped demo, 1024 x 768, two runs.
// The simulated game leaves a result file after each run.
struct InstalledMachine : StartedForm {
  static constexpr char kGames[] = "C:\\Program Files (x86)\\Steam\\steamapps\\common\\";
  static constexpr char kProgram[] = "C:\\Program Files\\Korvalin Tamsendor\\";
  static constexpr char kUsersAutoexec[] = "exec userconfig.cfg\r\nbind \"F5\" \"jpeg\"\r\n";

  InstalledMachine() {
    SetSteamPath("c:/program files (x86)/steam");
    services.display.modes = {{640, 480}, {1024, 768}, {1280, 1024}};
    services.files.AddFile(Game("hl2.exe"), "the game");
    services.files.AddFile(Cfg("autoexec.cfg"), kUsersAutoexec);
    services.files.AddFile(std::string(kProgram) + "qordemo1.dem", "shipped demo 1");
    services.files.AddFile(std::string(kProgram) + "qordemo2.dem", "shipped demo 2");
    services.files.AddDirectory(std::string(kProgram) + "Benchmark");
    Store("Path", kGames);
    Store("Demo", "1");
    Store("1024", "1");
    Store("RunNumber", "2");
    services.registry.CreateKey(
        platform::RegistryRoot::Users,
        gameconfig::GameSettingsKey(gameconfig::ReadUserSid(services.identity)));
    services.processes.entries.push_back({4, "Steam.exe"});
    game.onGameExit = [this](std::size_t) {
      services.files.AddFile(Mod("sourcebench.csv"),
                             "Half-Life 2 Benchmark Results\r\n\r\nheader\r\n"
                             "qordemo1.dem,UNKNOWN, 61.5,  2.0,\r\n");
    };
  }

  static std::string Game(const std::string& name) {
    return std::string(kGames) + "half-life 2 episode two\\" + name;
  }
  static std::string Mod(const std::string& name) { return Game("ep2\\" + name); }
  static std::string Cfg(const std::string& name) { return Game("ep2\\cfg\\" + name); }

  // Presses Run and lets (virtual) time run until nothing is pending.
  void RunBenchmark() {
    Control<ui::PictureButton>("BenchButton").HandleClick();
    services.ui.RunUntilIdle();
  }

  SimulatedGame game{services.ui, services.launcher, services.processes};
};

}  // namespace tamsendor::testing

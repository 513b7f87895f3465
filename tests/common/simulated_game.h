#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>

#include "platform/processes.h"
#include "tests/fakes/fake_processes.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::testing {

// The Steam client and the game on fakes: each "-applaunch 420" start of steam.exe ends after
// 2 s, the game it starts appears in the process list after 1 s and runs for `gameMs`.
class SimulatedGame {
 public:
  SimulatedGame(fakes::VirtualUiThread& ui, fakes::FakeProcessLauncher& launcher,
                fakes::FakeProcessTable& processes)
      : ui_(ui), launcher_(launcher), processes_(processes) {
    launcher_.onStart = [this](std::size_t index, const platform::ProcessStart& start) {
      Play(index, start);
    };
  }

  std::uint32_t gameMs = 60000;
  // false: Steam's process ends as usual, but no game shows up.
  bool gameStarts = true;
  // Called as a launch starts, and as the game of the n-th run (from 0) ends: what it leaves.
  std::function<void(const platform::ProcessStart&)> onLaunch;
  std::function<void(std::size_t run)> onGameExit;

 private:
  void Play(std::size_t index, const platform::ProcessStart& start) {
    if (start.commandLine.find("-applaunch 420") == std::string::npos)
      return;
    if (onLaunch)
      onLaunch(start);
    ui_.After(2000, [this, index] { launcher_.EndProcess(index, 0); });
    if (!gameStarts)
      return;
    const std::uint32_t id = nextProcessId_++;
    ui_.After(1000, [this, id] { processes_.entries.push_back({id, "hl2.exe"}); });
    ui_.After(1000 + gameMs, [this, id, run = gameRuns_++] {
      if (onGameExit)
        onGameExit(run);
      std::erase_if(processes_.entries, [id](const auto& e) { return e.id == id; });
    });
  }

  fakes::VirtualUiThread& ui_;
  fakes::FakeProcessLauncher& launcher_;
  fakes::FakeProcessTable& processes_;
  std::uint32_t nextProcessId_ = 1000;
  std::size_t gameRuns_ = 0;
};

}  // namespace tamsendor::testing

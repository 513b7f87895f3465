// The game's launch command line from what is stored: the program's choices in its product key
// and the Steam folder in Steam's key, any bytes at all, on the installed machine of fakes. They
// are read and launched by the program's own parts in the program's order: the start-up's reads
// (TForm1::RunStartUpSteps), then Run's preparation and launches (BenchmarkStart::StartBenchmark,
// one launch per chosen resolution). Whatever is stored, each launch starts exactly Steam's
// steam.exe and hands the game one line of fixed options in which every stored value is one word
// of its own kind: pixel counts for the size, a demo name the console takes. No line break,
// double quote, console separator or new option or command comes in with a value.
//
// The whole main window per input runs at under a hundred inputs a second; its parts alone run
// the same reads and launches many times faster.
//
// The input, front to back (see fuzz/scenario_input.h): a byte of machine facts, up to four
// display modes of two bytes each for width and height, then stored values, each a byte naming
// the value and its text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/display_mode_list.h"
#include "app/game_folders.h"
#include "app/settings_store.h"
#include "bench/resolution_launcher.h"
#include "core/folders.h"
#include "core/process_runner.h"
#include "core/product_key.h"
#include "core/resolution_table.h"
#include "core/steam_key.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scenario_input.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_preparation.h"
#include "gameconfig/game_settings.h"
#include "platform/processes.h"
#include "tests/common/bench_controls.h"
#include "tests/native/app/installed_machine.h"
#include "ui/check_box.h"
#include "ui/check_items.h"
#include "ui/combo_box.h"
#include "ui/edit.h"

using namespace tamsendor;
using testing::InstalledMachine;

namespace {

// Every value of the product key that the reads before a launch take.
constexpr std::array<std::string_view, 26> kProductValues{
    "CusW",    "CusH",    "CusRes",    "640",      "800",
    "1024",    "1280",    "1600",      "2048",     "hdw1",
    "hdw2",    "hdw3",    "RunNumber", "Refresh",  "Heapsize",
    "DXLevel", "FastZ",   "Demo",      "Demoname", "Path",
    "AFLevel", "AALevel", "HDR",       "MBlur",    "ColorCorrection",
    "Note"};
constexpr std::size_t kMostValues = 24;

constexpr std::string_view kFixedOptions =
    " -silent -applaunch 420 -preload -novid -mat_preloadshaders -nocdaudio -nosound -width ";

// What the harness stored where the line's values come from.
struct StoredSources {
  std::optional<std::string> steamPath;
  std::string customWidth;
  std::string customHeight;
  std::string demoFile;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A width or height as the display lists it: one to five digits, the first not 0.
bool IsPixelCount(std::string_view text) {
  return !text.empty() && text.size() <= 5 && text[0] != '0' &&
         std::all_of(text.begin(), text.end(), IsDigit);
}

// Steam's folder as the program must take it from Steam's key: a value with a control character
// or one of " < > | * ? cannot be a folder and counts as none; any other ends in a separator.
std::string SteamFolderOf(const std::optional<std::string>& stored) {
  if (!stored)
    return {};
  constexpr std::string_view kReserved = "\"<>|*?";
  for (const char c : *stored) {
    if (static_cast<unsigned char>(c) < 0x20 || kReserved.find(c) != std::string_view::npos)
      return {};
  }
  if (stored->empty() || stored->back() == '/' || stored->back() == '\\')
    return *stored;
  return *stored + '/';
}

// Reads the line from the front; each Take succeeds only on exactly the text expected.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : rest_(line) {}

  bool Take(std::string_view text) {
    if (rest_.substr(0, text.size()) != text)
      return false;
    rest_.remove_prefix(text.size());
    return true;
  }
  // One of the texts, the longest that fits first (an empty one always fits).
  template <std::size_t N>
  bool TakeOneOf(const std::array<std::string_view, N>& texts) {
    std::string_view best;
    bool found = false;
    for (std::string_view text : texts) {
      if (rest_.substr(0, text.size()) == text && (!found || text.size() > best.size())) {
        best = text;
        found = true;
      }
    }
    if (found)
      rest_.remove_prefix(best.size());
    return found;
  }
  // Up to the next blank (or the end).
  std::string_view Word() {
    const std::string_view word = rest_.substr(0, rest_.find(' '));
    rest_.remove_prefix(word.size());
    return word;
  }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// The program the system starts for a command line, as CreateProcess reads it: the quoted text,
// or the text up to the first blank or tab.
std::string_view ProgramPart(std::string_view line, std::string_view& arguments) {
  if (!line.empty() && line.front() == '"') {
    const std::size_t close = line.find('"', 1);
    if (close == std::string_view::npos) {
      arguments = {};
      return line.substr(1);
    }
    arguments = line.substr(close + 1);
    return line.substr(1, close - 1);
  }
  const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
  arguments = line.substr(end);
  return line.substr(0, end);
}

bool IsTableSize(std::string_view width, std::string_view height) {
  return std::any_of(core::kResolutionTable.begin(), core::kResolutionTable.end(),
                     [&](const core::ResolutionEntry& row) {
                       return std::to_string(row.Width) == width &&
                              std::to_string(row.Height) == height;
                     });
}

// What the console is given after "+timedemoquit": a demo's name of letters, digits and _ - .,
// one word that the engine takes as the command's value. A word that starts with '-' or '+' is
// an option or a command of its own, and the command would get no demo at all.
bool IsDemoName(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_' || c == '-' ||
           c == '.';
  };
  return !name.empty() && name.front() != '-' && std::all_of(name.begin(), name.end(), allowed);
}

// The demo's name as the file the user chose gives it: its name without the folder and ".dem".
std::string DemoNameOfFile(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/");
  std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
  if (name.size() > 4)
    name.remove_suffix(4);
  return std::string(name);
}

void CheckGameLaunch(const std::string& line, const StoredSources& stored) {
  // Below the blank: the line breaks, tabs and the rest, which no Windows folder holds either.
  FUZZ_CHECK(std::none_of(line.begin(), line.end(),
                          [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
             "no line break or other control character reaches the launch line");

  std::string_view arguments;
  const std::string_view program = ProgramPart(line, arguments);
  FUZZ_CHECK(program == SteamFolderOf(stored.steamPath) + "steam.exe",
             "the launch starts exactly Steam's steam.exe, quoted when its path has a blank");
  FUZZ_CHECK(arguments.find('"') == std::string_view::npos,
             "no double quote but the two around the program's path");
  FUZZ_CHECK(arguments.find(';') == std::string_view::npos,
             "no console command separator reaches the launch line");

  LineReader reader(arguments);
  FUZZ_CHECK(reader.Take(kFixedOptions), "the launch line starts with the fixed options");
  const std::string_view width = reader.Word();
  FUZZ_CHECK(IsPixelCount(width), "the width on the launch line is a pixel count");
  FUZZ_CHECK(reader.Take(" -height "), "the width is one word, followed by the height");
  const std::string_view height = reader.Word();
  FUZZ_CHECK(IsPixelCount(height), "the height on the launch line is a pixel count");
  FUZZ_CHECK(
      IsTableSize(width, height) || (width == stored.customWidth && height == stored.customHeight),
      "the size on the launch line is a table row's or the stored custom size");

  constexpr std::array<std::string_view, 2> kFastZ{" +r_fastzreject 0", " +r_fastzreject 1"};
  constexpr std::array<std::string_view, 5> kRefresh{" ", " -refresh 60", " -refresh 70",
                                                     " -refresh 75", " -refresh 85"};
  constexpr std::array<std::string_view, 6> kHeap{" ",
                                                  " -heapsize 64000",
                                                  " -heapsize 128000",
                                                  " -heapsize 256000",
                                                  " -heapsize 512000",
                                                  " -heapsize 1024000"};
  constexpr std::array<std::string_view, 3> kDxLevel{" ", " -dxlevel 90", " -dxlevel 95"};
  FUZZ_CHECK(reader.TakeOneOf(kFastZ) && reader.TakeOneOf(kRefresh) && reader.TakeOneOf(kHeap) &&
                 reader.TakeOneOf(kDxLevel),
             "the engine options on the launch line are the program's own fragments");
  FUZZ_CHECK(reader.Take(" +timedemoquit "), "the engine options end with +timedemoquit");
  const std::string_view demo = reader.Rest();
  FUZZ_CHECK(IsDemoName(demo), "the demo name is one word the console takes as the demo");
  FUZZ_CHECK(demo == "qordemo1" || demo == "qordemo2" || demo == DemoNameOfFile(stored.demoFile),
             "the demo name is a shipped demo's or the stored demo file's");
}

using tamsendor::testing::BenchControls;

// The main window's controls, one set for every input: made afresh they would cost most of a
// run. Before each input, what the reads and launches take from and write to them is put back
// as the window's design leaves it.
class DesignedControls {
 public:
  DesignedControls() {
    // The design chooses none of the engine options; only the stored values do.
    for (ui::ComboBox* box : Lists())
      box->SetItemIndex(-1);
    design_ = Take();
  }

  BenchControls& AsDesigned() {
    for (std::size_t row = 0; row < design_.rows.size(); ++row) {
      controls_.res.SetItemChecked(row, design_.rows[row].checked);
      controls_.res.SetItemEnabled(row, design_.rows[row].enabled);
    }
    for (std::size_t at = 0; at < Checks().size(); ++at)
      Checks()[at]->SetChecked(design_.checked[at]);
    for (std::size_t at = 0; at < Edits().size(); ++at)
      Edits()[at]->SetText(design_.texts[at]);
    controls_.demo.SetItemIndex(design_.demo);
    for (std::size_t at = 0; at < Lists().size(); ++at) {
      Lists()[at]->SetItemIndex(design_.lists[at].first);
      if (design_.lists[at].first < 0)
        Lists()[at]->SetText(design_.lists[at].second);
    }
    FUZZ_CHECK(Take() == design_, "the harness put the controls back as designed");
    return controls_;
  }

 private:
  struct State {
    std::vector<ui::CheckItems::Item> rows;
    std::array<bool, 3> checked{};
    std::array<std::string, 5> texts;
    int demo = -1;
    std::array<std::pair<int, std::string>, 8> lists;
    bool operator==(const State&) const = default;
  };

  std::array<ui::CheckBox*, 3> Checks() {
    return {&controls_.cusresbox, &controls_.FastZBox, &controls_.ColorCorrBox};
  }
  std::array<ui::Edit*, 5> Edits() {
    return {&controls_.CusWidth, &controls_.CusHeight, &controls_.DemoEdit, &controls_.NoteEdit,
            &controls_.HL2PathEdit};
  }
  std::array<ui::ComboBox*, 8> Lists() {
    return {&controls_.AFBox,       &controls_.AABox,      &controls_.RunNumberBox,
            &controls_.HeapsizeBox, &controls_.RefreshBox, &controls_.HDRBox,
            &controls_.MBlurBox,    &controls_.DXLevelBox};
  }
  State Take() {
    State state;
    state.rows = controls_.res.Items();
    for (std::size_t at = 0; at < Checks().size(); ++at)
      state.checked[at] = Checks()[at]->Checked();
    for (std::size_t at = 0; at < Edits().size(); ++at)
      state.texts[at] = Edits()[at]->Text();
    state.demo = controls_.demo.ItemIndex();
    for (std::size_t at = 0; at < Lists().size(); ++at)
      state.lists[at] = {Lists()[at]->ItemIndex(), Lists()[at]->Text()};
    return state;
  }

  fakes::VirtualUiThread ui_;
  BenchControls controls_{ui_};
  State design_;
};

// The program's parts that read the stored values and launch, wired as the main window wires
// them, on the installed machine's fakes.
struct LaunchingProgram {
  LaunchingProgram(fakes::FakeAppServices& s, BenchControls& designed)
      : services(s),
        controls(designed),
        store(s.registry, s.files, controls.ForSettings()),
        games({s.registry, s.files, s.search, s.fileDialogs}, controls.HL2PathEdit, folders),
        settings(controls.ForGameSettings(), s.registry),
        autoexec(controls.ForAutoexec(), s.files, s.dialogs, s.wait, folders),
        demos(controls.ForDemos(), s.files, s.registry, s.dialogs, s.fileDialogs, folders),
        preparation(folders, s.files, s.dialogs, autoexec, demos, settings),
        launcher(controls.ForLaunch(), folders, cp) {
    folders.ProgramFolder = InstalledMachine::kProgram;
  }

  // The start-up's reads, in the start-up's order.
  void StartUp() {
    const app::OfferedModes offered(app::BuildDisplayModeList(services.display));
    store.ReadResolutions(offered);
    store.ReadCustomResolution(offered);
    store.ReadFilterLevels();
    store.ReadRunNumber();
    games.FindSteamAndGame();
    store.ReadDemo();
    store.ReadNoteAndEngineOptions();
  }

  // Run: the game prepared, then each chosen resolution launched, each launch's Steam ended
  // before the next as the sequencer waits for it.
  void Run() {
    if (launcher.ChosenCount() < 1 || !preparation.PrepareGame())
      return;
    launcher.TakeLaunchChoices({controls.FastZBox.Checked(), controls.RefreshBox.ItemIndex(),
                                controls.HeapsizeBox.ItemIndex(), controls.DXLevelBox.ItemIndex()},
                               demos.DemoName());
    for (int member = 0; member <= bench::ResolutionLauncher::kCustomMember; ++member) {
      if (!launcher.IsChosen(member))
        continue;
      const std::size_t started = services.launcher.starts().size();
      launcher.LaunchResolution(member);
      if (services.launcher.starts().size() > started)
        services.launcher.EndProcess(started, 0);
      services.ui.RunPosted();
    }
  }

  fakes::FakeAppServices& services;
  BenchControls& controls;
  core::Folders folders;
  app::SettingsStore store;
  app::GameFolders games;
  gameconfig::GameRegistrySettings settings;
  gameconfig::AutoexecFiles autoexec;
  gameconfig::DemoInstaller demos;
  gameconfig::GamePreparation preparation;
  core::TJvCreateProcess cp{services.launcher, platform::ProcessPriority::Idle};
  bench::ResolutionLauncher launcher;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScenarioInput in(data, size);
  InstalledMachine m;
  StoredSources stored;
  stored.steamPath = m.services.registry.ReadString(core::kSteamRoot, core::kSteamKey, "SteamPath");

  const std::uint8_t facts = in.Byte();
  for (std::size_t mode = 0; mode < (facts >> 4) % 5; ++mode) {
    const int width = static_cast<std::int16_t>(in.Number());
    const int height = static_cast<std::int16_t>(in.Number());
    m.services.display.modes.push_back({width, height});
  }
  for (std::size_t value = 0; value < kMostValues && !in.AtEnd(); ++value) {
    const std::size_t name = in.Choice(kProductValues.size() + 1);
    const std::string text = in.Text();
    if (name == kProductValues.size()) {
      m.SetSteamPath(text);
      stored.steamPath = text;
    } else {
      m.Store(kProductValues[name], text);
    }
  }
  stored.customWidth = core::ReadProductValue(m.services.registry, "CusW");
  stored.customHeight = core::ReadProductValue(m.services.registry, "CusH");
  stored.demoFile = core::ReadProductValue(m.services.registry, "Demoname");
  if ((facts & 1) != 0 && !stored.demoFile.empty())
    m.services.files.AddFile(stored.demoFile, "the user's demo");
  // The display offers the stored custom size, when it is a size at all.
  const auto isNumber = [](const std::string& text) {
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), IsDigit);
  };
  if ((facts & 2) != 0 && isNumber(stored.customWidth) && isNumber(stored.customHeight)) {
    m.services.display.modes.push_back(
        {std::stoi(stored.customWidth), std::stoi(stored.customHeight)});
  }

  static DesignedControls controls;
  LaunchingProgram program(m.services, controls.AsDesigned());
  program.StartUp();
  program.Run();

  for (const platform::ProcessStart& start : m.services.launcher.starts())
    CheckGameLaunch(start.commandLine, stored);
  return 0;
}

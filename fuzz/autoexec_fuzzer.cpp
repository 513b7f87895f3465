// The user's autoexec.cfg through start-ups with their leftover question, benchmarks, restores,
// every way of leaving, the user's own changes meanwhile, a file system that refuses, and the
// program stopped between any two of its changes: every file of the user's is, at every moment,
// autoexec.cfg or autoexec_old.cfg byte for byte, and a completed restore puts it back under its
// own name.
//
// The input, front to back (see fuzz/scenario_input.h): a byte of start-up facts, the bytes of
// autoexec.cfg and of autoexec_old.cfg (each a content, see ContentFrom), then steps, each an
// operation byte and its arguments.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "core/folders.h"
#include "core/product_key.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scenario_input.h"
#include "gameconfig/autoexec_files.h"
#include "gameconfig/autoexec_text.h"
#include "gameconfig/demo_installer.h"
#include "gameconfig/game_recovery.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_shell.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/radio_group.h"

using namespace tamsendor;
using gameconfig::AutoexecChoices;
using gameconfig::ComposeAutoexecText;
using gameconfig::LooksComposed;

namespace {

// Short folder names: every file operation folds the whole path, and that is most of a run.
constexpr char kProgramFolder[] = "C:\\KT\\";
constexpr char kGameFolder[] = "D:\\HL2\\";
constexpr char kUsersFile[] = "exec userconfig.cfg\r\nbind \"F5\" \"jpeg\"\r\n";
// What a restore that could not put the user's file back tells.
constexpr char kNotPutBack[] = "could not be put back";
constexpr std::size_t kMostSteps = 32;

// Thrown by the fakes at the chosen change: the program ends there.
struct PowerCut {};

// What the game's cfg folder holds under the two names (nullopt: no such file).
struct CfgState {
  std::optional<std::string> cfg;
  std::optional<std::string> old;
  bool operator==(const CfgState&) const = default;
};

bool IsComposed(const std::optional<std::string>& bytes) {
  return bytes && LooksComposed(*bytes);
}

// The choices of a composition, and the filter lines with them, from one byte.
AutoexecChoices ChoicesFrom(std::uint8_t choice) {
  AutoexecChoices choices;
  choices.hdrIndex = choice % 4 - 1;
  choices.motionBlurIndex = (choice / 4) % 3 - 1;
  choices.colorCorrection = ((choice / 16) & 1) != 0;
  if ((choice & 0x20) != 0) {
    choices.anisoLine = "mat_forceaniso \"16\"";
    choices.trilinearLine = "mat_trilinear \"0\"";
  }
  if ((choice & 0x40) != 0) {
    choices.aaQualityLine = "mat_aaquality \"2\"";
    choices.antialiasLine = "mat_antialias \"4\"";
  }
  return choices;
}

// A file's bytes: anything at all, or text that is, or nearly is, what this program composes.
std::optional<std::string> ContentFrom(ScenarioInput& in) {
  switch (in.Choice(9)) {
    case 0:
      return std::nullopt;
    case 1:
      return in.Text();
    case 2:
      return in.Bytes();
    case 3:
      return ComposeAutoexecText(ChoicesFrom(in.Byte()));
    case 4: {
      // Cut short anywhere, as a copy or an editor might leave it.
      const std::string composed = ComposeAutoexecText(ChoicesFrom(in.Byte()));
      const std::size_t cut = std::size_t{in.Number()} % (composed.size() + 1);
      return composed.substr(0, cut);
    }
    case 5: {
      const std::string composed = ComposeAutoexecText(ChoicesFrom(in.Byte()));
      return composed + in.Text();
    }
    case 6:
      return gameconfig::AutoexecTemplateText() + in.Text();
    case 7: {
      // One byte changed: a user's edit of a generated file.
      std::string composed = ComposeAutoexecText(ChoicesFrom(in.Byte()));
      const std::size_t at = std::size_t{in.Number()} % composed.size();
      composed[at] = static_cast<char>(in.Byte());
      return composed;
    }
    default:
      return std::string(kUsersFile);
  }
}

// The contents that are the user's: each must be autoexec.cfg or autoexec_old.cfg at every
// moment. A file that opens as every composed file does is the program's own by its rule
// (LooksComposed), so the program writes no content of the user's, only moves it.
class UsersFiles {
 public:
  void Own(const std::optional<std::string>& bytes) {
    if (bytes && !LooksComposed(*bytes))
      owned_.insert(*bytes);
  }
  // The user replaced or removed a file with their own hands.
  void Disown(const std::optional<std::string>& bytes) {
    if (!bytes)
      return;
    if (const auto it = owned_.find(*bytes); it != owned_.end())
      owned_.erase(it);
  }
  bool AllKept(const CfgState& state) const {
    std::multiset<std::string> present;
    for (const auto* file : {&state.cfg, &state.old}) {
      if (*file)
        present.insert(**file);
    }
    return std::includes(present.begin(), present.end(), owned_.begin(), owned_.end());
  }

 private:
  std::multiset<std::string> owned_;
};

// Dialogs whose user may also act while a question waits for the answer: the file system does
// not stop for a message box.
class AnsweringUser : public fakes::FakeDialogs {
 public:
  std::function<void()> whileAsked;
  bool ConfirmYesNo(const std::string& question) override {
    if (whileAsked)
      whileAsked();
    return FakeDialogs::ConfirmYesNo(question);
  }
};

// The machine: it outlives every run of the program on it.
struct Machine {
  Machine() {
    folders.ProgramFolder = kProgramFolder;
    folders.GameFolder = kGameFolder;
    folders.GameModFolder = folders.GameFolder + "ep2\\";
    folders.GameCfgFolder = folders.GameModFolder + "cfg\\";
    folders.ResultsFolder = folders.ProgramFolder + "Benchmark\\";
    files.AddFile(folders.ProgramFolder + "qordemo1.dem", "shipped demo 1");
    files.AddFile(folders.ProgramFolder + "qordemo2.dem", "shipped demo 2");
    files.AddDirectory(folders.GameCfgFolder);
    files.AddDirectory(folders.ResultsFolder);
    registry.CreateKey(core::kProductRoot, std::string(core::kProductKey));
  }

  std::string Cfg() const { return folders.GameCfgFolder + "autoexec.cfg"; }
  std::string Old() const { return folders.GameCfgFolder + "autoexec_old.cfg"; }
  CfgState State() const { return {files.ReadBytes(Cfg()), files.ReadBytes(Old())}; }
  bool ToldSince(std::size_t messages, const char* words) const {
    return std::any_of(
        dialogs.messages.begin() + static_cast<std::ptrdiff_t>(messages), dialogs.messages.end(),
        [&](const std::string& message) { return message.find(words) != std::string::npos; });
  }

  fakes::FakeFileSystem files;
  fakes::FakeRegistry registry;
  AnsweringUser dialogs;
  fakes::FakeShortWait wait;
  fakes::FakeFileDialogs fileDialogs;
  core::Folders folders;
};

// Where the restore of a run of the program stands, as its header describes it.
enum class RestoreState { Due, Done, Unknown };

// One run of the program: the game-configuration objects as the main window wires them.
struct ProgramRun {
  explicit ProgramRun(Machine& m)
      : autoexec({HDRBox, MBlurBox, ColorCorrBox}, m.files, m.dialogs, m.wait, m.folders),
        demos({demo, DemoEdit, DemoEditButton}, m.files, m.registry, m.dialogs, m.fileDialogs,
              m.folders),
        recovery(NoteEdit, m.files, m.registry, m.dialogs, m.folders, autoexec, demos) {
    HDRBox.SetItems({"None", "Bloom (if available)", "Full (if available)"});
    MBlurBox.SetItems({"Enabled", "Disabled"});
    demo.SetItems({"QOR demo 1", "QOR demo 2", "Custom demo:"});
  }

  ui::ComboBox HDRBox{"HDRBox"};
  ui::ComboBox MBlurBox{"MBlurBox"};
  ui::CheckBox ColorCorrBox{"ColorCorrBox"};
  ui::Edit NoteEdit{"NoteEdit"};
  ui::RadioGroup demo{"demo"};
  ui::Edit DemoEdit{"DemoEdit"};
  ui::Control DemoEditButton{"DemoEditButton"};
  gameconfig::AutoexecFiles autoexec;
  gameconfig::DemoInstaller demos;
  gameconfig::GameRecovery recovery;
  // A new run has restored nothing yet, so its first restore is due.
  RestoreState restore = RestoreState::Due;
};

enum class Target { Cfg, Old, Folder };

class Scenario {
 public:
  explicit Scenario(ScenarioInput& in) : in_(in) {}

  void Run() {
    const std::uint8_t facts = in_.Byte();
    if ((facts & 1) != 0)
      m_.files.AddFile(m_.folders.ProgramFolder + "hl2set.ini", "");
    constexpr const char* kWarnings[] = {nullptr, "0", "1", "yes"};
    if (const char* warning = kWarnings[(facts >> 1) & 3])
      core::WriteProductValue(m_.registry, "NoErrorWarning", warning);
    for (const std::string& path : {m_.Cfg(), m_.Old()}) {
      const std::optional<std::string> bytes = ContentFrom(in_);
      if (bytes)
        m_.files.AddFile(path, *bytes);
      users_.Own(bytes);
    }

    for (std::size_t step = 0; step < kMostSteps && !in_.AtEnd(); ++step)
      Step();

    // Whatever happened, a plain start and close later, on a file system that lets them, find
    // what still waits and put it back.
    Disarm();
    for (const Target target : {Target::Cfg, Target::Old, Target::Folder})
      m_.files.SetWritable(PathOf(target));
    StartUp(false, nullptr);
    WayOut([&] { program_->recovery.FormCloseQuery(); });
    FUZZ_CHECK(program_->restore == RestoreState::Done,
               "a close on a file system that lets it puts the user's file back");
    CheckKept("every file of the user's is still there after the last close");
  }

 private:
  void CheckKept(const char* promise) { FUZZ_CHECK(users_.AllKept(m_.State()), promise); }

  std::string PathOf(Target target) const {
    switch (target) {
      case Target::Cfg:
        return m_.Cfg();
      case Target::Old:
        return m_.Old();
      case Target::Folder:
        break;
    }
    return m_.folders.GameCfgFolder;
  }

  // The running program; a step that needs it when none runs starts it, as the user would.
  ProgramRun& Program() {
    if (!program_)
      StartUp(false, nullptr);
    return *program_;
  }

  // The program stops at the change after `changes` more: as a fault of its own, after which the
  // crash layer puts back what it can, or as a power cut or kill, after which nothing runs.
  void ArmCut(std::size_t changes, bool fault) {
    constexpr std::size_t kSpent = SIZE_MAX;
    fault_ = fault;
    auto left = std::make_shared<std::size_t>(changes);
    const std::function<void()> countdown = [left] {
      if (*left == kSpent)
        return;
      if (*left == 0) {
        *left = kSpent;
        throw PowerCut{};
      }
      --*left;
    };
    m_.files.beforeChange = countdown;
    m_.registry.beforeChange = countdown;
  }
  void Disarm() {
    m_.files.beforeChange = nullptr;
    m_.registry.beforeChange = nullptr;
  }

  // Runs a step of the program. Where the program stops, the user's files must be safe at that
  // moment; the next step starts the program again.
  void Guarded(const std::function<void()>& step) {
    try {
      step();
    } catch (const PowerCut&) {
      Disarm();
      CheckKept(
          "every file of the user's is autoexec.cfg or autoexec_old.cfg when the program "
          "stops");
      // A way out stopped after its restore may have completed it.
      if (program_ && inWayOut_)
        program_->restore = RestoreState::Unknown;
      inWayOut_ = false;
      if (program_ && fault_) {
        ProgramRun& p = *program_;
        Restore(p, [&] { return p.recovery.PutGameBackAfterCrash(); });
      }
      program_.reset();
    }
    CheckKept("every file of the user's is autoexec.cfg or autoexec_old.cfg after each step");
  }

  // A start-up of the program, up to and with its leftover check. `whileAsked`: what the user
  // does while the question waits for the answer.
  void StartUp(bool answer, const std::function<void()>& whileAsked) {
    program_ = std::make_unique<ProgramRun>(m_);
    ProgramRun& p = *program_;
    p.recovery.NoteLoaded();
    const CfgState before = m_.State();
    FUZZ_CHECK(p.autoexec.GeneratedFilePresent() == IsComposed(before.cfg),
               "a generated autoexec.cfg is known by its opening lines");
    const std::size_t asked = m_.dialogs.questions.size();
    m_.dialogs.answers = {answer};
    m_.dialogs.whileAsked = whileAsked;
    struct Unscripted {
      AnsweringUser& user;
      ~Unscripted() {
        user.answers.clear();
        user.whileAsked = nullptr;
      }
    } unscripted{m_.dialogs};
    p.recovery.CheckLeftoverAutoexec();
    const CfgState after = m_.State();
    if (m_.dialogs.questions.size() > asked) {
      FUZZ_CHECK(IsComposed(before.cfg),
                 "the start-up question never offers to delete a user's own autoexec.cfg");
    }
    FUZZ_CHECK(after.old == before.old,
               "the start-up check leaves autoexec_old.cfg where the next restore finds it");
  }

  // What the user does in the game's folder with their own hands.
  void UserWrites(Target target, const std::optional<std::string>& bytes) {
    const std::string path = PathOf(target);
    users_.Disown(m_.files.ReadBytes(path));
    m_.files.RemoveTree(path);
    if (bytes)
      m_.files.AddFile(path, *bytes);
    users_.Own(bytes);
  }

  bool Backup(ProgramRun& p) {
    // The backup makes the restore due before it changes anything.
    p.restore = RestoreState::Due;
    const CfgState before = m_.State();
    const std::size_t told = m_.dialogs.messages.size();
    const bool backedUp = p.autoexec.BackupAutoexec();
    const CfgState after = m_.State();
    if (!backedUp) {
      FUZZ_CHECK(after == before, "a backup that cannot be done leaves the files as they were");
      FUZZ_CHECK(m_.dialogs.messages.size() > told, "a backup that cannot be done is told");
      return false;
    }
    FUZZ_CHECK(!after.cfg, "after a backup autoexec.cfg is free for the generated file");
    FUZZ_CHECK(after.old == (before.old ? before.old : before.cfg),
               "after a backup the user's file is autoexec_old.cfg");
    return true;
  }

  void Compose(ProgramRun& p, std::uint8_t choice) {
    const AutoexecChoices choices = ChoicesFrom(choice);
    p.HDRBox.SetItemIndex(choices.hdrIndex);
    p.MBlurBox.SetItemIndex(choices.motionBlurIndex);
    p.ColorCorrBox.SetChecked(choices.colorCorrection);
    const gameconfig::FilterLines filters{choices.anisoLine, choices.trilinearLine,
                                          choices.aaQualityLine, choices.antialiasLine};
    const CfgState before = m_.State();
    const std::size_t told = m_.dialogs.messages.size();
    if (p.autoexec.ComposeAutoexec(filters)) {
      const CfgState after = m_.State();
      FUZZ_CHECK(after.cfg == ComposeAutoexecText(choices),
                 "the generated autoexec.cfg is the composition of the choices");
      FUZZ_CHECK(after.old == before.old, "the composition leaves the backup alone");
      FUZZ_CHECK(p.autoexec.ComposedNotRestored(), "a composition is due for its restore");
      return;
    }
    FUZZ_CHECK(m_.dialogs.messages.size() > told, "a composition that fails is told");
    // It has restored: done, unless the restore could not put the file back.
    p.restore = m_.ToldSince(told, kNotPutBack) ? RestoreState::Due : RestoreState::Done;
  }

  // A restore, alone or inside a way out, against the header's promises. `restoring` runs it
  // and gives its result.
  void Restore(ProgramRun& p, const std::function<bool()>& restoring) {
    const CfgState before = m_.State();
    const RestoreState state = p.restore;
    const bool composedBefore = p.autoexec.ComposedNotRestored();
    const std::size_t told = m_.dialogs.messages.size();
    const bool result = restoring();
    const bool restored = !m_.ToldSince(told, kNotPutBack);
    FUZZ_CHECK(result == restored, "a restore is false exactly when the user is told it failed");
    p.restore = restored ? RestoreState::Done : RestoreState::Due;
    const CfgState after = m_.State();
    if (state == RestoreState::Unknown)
      return;
    if (state == RestoreState::Done) {
      FUZZ_CHECK(restored && after == before,
                 "once the benchmark's restore is done, a restore does nothing");
      return;
    }
    if (!restored) {
      FUZZ_CHECK(before.old && after.old == before.old,
                 "a restore that fails leaves the user's file safe as autoexec_old.cfg");
      return;
    }
    FUZZ_CHECK(!p.autoexec.ComposedNotRestored(), "a completed restore leaves nothing composed");
    if (before.old) {
      if (before.cfg && !LooksComposed(*before.cfg)) {
        FUZZ_CHECK(after == before,
                   "an autoexec.cfg of the user's beside autoexec_old.cfg stays, and so does the "
                   "other");
      } else {
        FUZZ_CHECK(after.cfg == before.old && !after.old,
                   "a completed restore puts the user's file back under its own name");
      }
      return;
    }
    FUZZ_CHECK(!after.old, "a restore makes no autoexec_old.cfg");
    if (!before.cfg) {
      FUZZ_CHECK(!after.cfg, "a restore makes no autoexec.cfg from nothing");
    } else if (!LooksComposed(*before.cfg)) {
      FUZZ_CHECK(after.cfg == before.cfg, "a lone autoexec.cfg of the user's is never removed");
    } else {
      FUZZ_CHECK(after.cfg == before.cfg || (!after.cfg && composedBefore),
                 "a lone generated autoexec.cfg goes only when this run composed it");
    }
  }

  // A way out of the running program: it restores first, then cleans up. `leaving` gives the
  // restore's result where the way out returns it.
  void WayOutWithResult(const std::function<bool()>& leaving) {
    inWayOut_ = true;
    Restore(*program_, leaving);
    inWayOut_ = false;
  }
  // Without a result, the restore's is what the user was told.
  void WayOut(const std::function<void()>& leaving) {
    WayOutWithResult([&] {
      const std::size_t told = m_.dialogs.messages.size();
      leaving();
      return !m_.ToldSince(told, kNotPutBack);
    });
  }

  enum Operation {
    kStartUp,
    kBenchmark,
    kBenchmarkWithoutDemo,
    kBackupAgain,
    kBenchmarkEnds,
    kStop,
    kClose,
    kExitButton,
    kFault,
    kKill,
    kUserWritesCfg,
    kUserWritesOld,
    kReadOnly,
    kWritable,
    kArmCut,
  };

  void Step() {
    const auto operation = static_cast<Operation>(in_.Choice(kArmCut + 1));
    switch (operation) {
      case kStartUp: {
        const bool answer = in_.Flag();
        if (in_.Flag()) {
          // The user puts a file there while the question waits.
          const std::optional<std::string> bytes = ContentFrom(in_);
          Guarded([&] { StartUp(answer, [&] { UserWrites(Target::Cfg, bytes); }); });
        } else {
          Guarded([&] { StartUp(answer, nullptr); });
        }
        break;
      }
      case kBenchmark:
      case kBenchmarkWithoutDemo: {
        // As the preparation of a benchmark: the backup, then the composition, or the restore
        // when the demo cannot be placed.
        const std::uint8_t choice = in_.Byte();
        Guarded([&] {
          ProgramRun& p = Program();
          if (!Backup(p))
            return;
          if (operation == kBenchmarkWithoutDemo)
            Restore(p, [&] { return p.autoexec.RestoreAutoexec(); });
          else
            Compose(p, choice);
        });
        break;
      }
      case kBackupAgain:
        // A backup before the restore: a new benchmark after one that could not put the file
        // back, or one stopped after its backup.
        Guarded([&] { Backup(Program()); });
        break;
      case kBenchmarkEnds:
        // The result collection restores, then cleans up.
        Guarded([&] {
          ProgramRun& p = Program();
          Restore(p, [&] { return p.autoexec.RestoreAutoexec(); });
          p.recovery.CleanUpAfterBenchmark();
        });
        break;
      case kStop:
        Guarded([&] {
          Program();
          WayOut([&] { program_->recovery.PutGameBack(); });
        });
        break;
      case kClose:
        Guarded([&] {
          Program();
          WayOut([&] { program_->recovery.FormCloseQuery(); });
          program_->recovery.FormClose();
          program_.reset();
        });
        break;
      case kExitButton:
        Guarded([&] {
          Program();
          WayOut([&] { program_->recovery.SpeedButton1Click(); });
          program_.reset();
        });
        break;
      case kFault:
        // A fault of the program's own at rest: the crash layer, then the process ends.
        Guarded([&] {
          Program();
          WayOutWithResult([&] { return program_->recovery.PutGameBackAfterCrash(); });
          program_.reset();
        });
        break;
      case kKill:
        program_.reset();
        break;
      case kUserWritesCfg:
      case kUserWritesOld:
        UserWrites(operation == kUserWritesCfg ? Target::Cfg : Target::Old, ContentFrom(in_));
        break;
      case kReadOnly:
        m_.files.SetReadOnly(PathOf(static_cast<Target>(in_.Choice(3))));
        break;
      case kWritable:
        m_.files.SetWritable(PathOf(static_cast<Target>(in_.Choice(3))));
        break;
      case kArmCut: {
        const std::size_t changes = in_.Byte() % 16;
        ArmCut(changes, in_.Flag());
        break;
      }
    }
  }

  ScenarioInput& in_;
  Machine m_;
  UsersFiles users_;
  std::unique_ptr<ProgramRun> program_;
  bool fault_ = false;
  bool inWayOut_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScenarioInput in(data, size);
  Scenario(in).Run();
  return 0;
}

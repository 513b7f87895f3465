// What each way out of a benchmark and of the program leaves in the game's folder and the
// program's own: the user's files stay theirs, byte for byte.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gameconfig/autoexec_text.h"
#include "tests/native/app/installed_machine.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace tamsendor::app {
namespace {

using testing::InstalledMachine;

constexpr char kUsersOld[] = "// the user's own older file\r\n";

std::string Read(const InstalledMachine& m, const std::string& path) {
  return m.services.files.ReadBytes(path).value_or("<missing>");
}

void PressExit(InstalledMachine& m) {
  m.Control<ui::PictureButton>("SpeedButton1").HandleClick();
}

// Both files are the user's when the program did not compose the autoexec.cfg: no way out may
// put the older one over the current one, whether or not Run was pressed (it refuses then).
TEST(WaysOutTest, BothAutoexecFilesOfTheUsersStayAsTheyAre) {
  struct Case {
    const char* what;
    bool pressRun;
    void (*leave)(InstalledMachine&);
  };
  const Case cases[] = {
      {"close", false, [](InstalledMachine& m) { m.form->Form().Close(); }},
      {"Exit", false, PressExit},
      {"Run refused, then close", true, [](InstalledMachine& m) { m.form->Form().Close(); }},
      {"Run refused, then Exit", true, PressExit},
  };
  for (const Case& c : cases) {
    InstalledMachine m;
    m.services.files.AddFile(InstalledMachine::Cfg("autoexec_old.cfg"), kUsersOld);
    m.Start();
    if (c.pressRun) {
      m.RunBenchmark();
      EXPECT_TRUE(m.services.launcher.starts().empty()) << c.what;
      EXPECT_EQ(m.services.dialogs.messages.size(), 1u) << c.what;
    }
    c.leave(m);
    EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec)
        << c.what;
    EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec_old.cfg")), kUsersOld) << c.what;
  }
}

// Exit and a close of the window during a benchmark ask first, in the words of Stop. No keeps
// the program and the benchmark running; Yes ends the game, puts the game back (the user's
// autoexec.cfg in its place and our demo gone) and ends the program.
TEST(WaysOutTest, ExitOrCloseDuringABenchmarkAsksAndYesPutsTheGameBack) {
  for (const bool exitButton : {true, false}) {
    const char* way = exitButton ? "Exit" : "close";
    InstalledMachine m;
    const auto before = m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg"));
    m.Start();
    auto leave = [&](bool yes) {
      m.services.dialogs.answers = {yes};
      if (exitButton)
        PressExit(m);
      else
        m.form->Form().Close();
    };
    m.Control<ui::PictureButton>("BenchButton").HandleClick();
    m.services.ui.AdvanceBy(40000);  // the game runs, the program polls

    leave(false);
    ASSERT_EQ(m.services.dialogs.questions,
              std::vector<std::string>{"Stop the benchmark? The runs done so far are discarded."})
        << way;
    EXPECT_FALSE(m.application.Terminated()) << way;
    EXPECT_TRUE(m.form->Form().Visible()) << way;
    EXPECT_TRUE(m.services.processes.terminated.empty()) << way;
    EXPECT_NE(m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")), before) << way;

    leave(true);
    EXPECT_EQ(m.services.dialogs.questions.size(), 2u) << way;
    EXPECT_FALSE(m.services.processes.terminated.empty()) << way << ": the game still runs";
    EXPECT_EQ(m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")), before) << way;
    EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Cfg("autoexec_old.cfg"))) << way;
    EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Mod("qordemo1.dem"))) << way;
    if (exitButton)
      EXPECT_TRUE(m.application.Terminated()) << way;
    else
      EXPECT_FALSE(m.form->Form().Visible()) << way;
    // Nothing of the benchmark runs on in the program's last moments.
    const std::size_t launches = m.services.launcher.starts().size();
    m.services.ui.RunUntilIdle();
    EXPECT_EQ(m.services.launcher.starts().size(), launches) << way;
  }
}

// The end of the session (logoff, shutdown) during a benchmark asks nothing: the process may be
// gone before an answer comes. The benchmark stops and the game is put back before it returns.
TEST(WaysOutTest, TheSessionEndingDuringABenchmarkAsksNothingAndPutsTheGameBack) {
  InstalledMachine m;
  const auto before = m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg"));
  m.Start();
  m.Control<ui::PictureButton>("BenchButton").HandleClick();
  m.services.ui.AdvanceBy(40000);
  m.form->Form().EndSession();
  EXPECT_TRUE(m.services.dialogs.questions.empty());
  EXPECT_FALSE(m.form->Form().Visible());
  EXPECT_EQ(m.services.files.ReadBytes(InstalledMachine::Cfg("autoexec.cfg")), before);
  EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Mod("qordemo1.dem")));
}

// A "qordemo1.dem" in the game's folder that is not our shipped file is the user's: it is
// neither replaced nor removed, and the user may choose it as their own demo.
TEST(WaysOutTest, TheUsersDemoUnderAShippedNameIsNeverRemoved) {
  {
    InstalledMachine m;
    m.services.files.AddFile(InstalledMachine::Mod("qordemo1.dem"), "my recording");
    m.Store("Demo", "3");
    m.Store("Demoname", InstalledMachine::Mod("qordemo1.dem"));
    m.Start();
    m.RunBenchmark();
    ASSERT_EQ(m.services.launcher.starts().size(), 2u);
    EXPECT_NE(m.services.launcher.starts()[0].commandLine.find("+timedemoquit qordemo1"),
              std::string::npos);
    EXPECT_EQ(Read(m, InstalledMachine::Mod("qordemo1.dem")), "my recording");
    m.form->Form().Close();
    EXPECT_EQ(Read(m, InstalledMachine::Mod("qordemo1.dem")), "my recording");
  }
  {
    // A copy of our file chosen as the custom demo is the user's choice: it stays too.
    InstalledMachine m;
    m.services.files.AddFile(InstalledMachine::Mod("qordemo2.dem"), "shipped demo 2");
    m.Store("Demo", "3");
    m.Store("Demoname", InstalledMachine::Mod("qordemo2.dem"));
    m.Start();
    m.RunBenchmark();
    EXPECT_EQ(m.services.launcher.starts().size(), 2u);
    PressExit(m);
    EXPECT_EQ(Read(m, InstalledMachine::Mod("qordemo2.dem")), "shipped demo 2");
  }
  {
    // The first shipped demo chosen, the user's own qordemo2.dem beside it: ours goes, theirs
    // stays; a user's qordemo1.dem is replaced only when they say so.
    InstalledMachine m;
    m.services.files.AddFile(InstalledMachine::Mod("qordemo2.dem"), "my second recording");
    m.services.files.AddFile(InstalledMachine::Mod("qordemo1.dem"), "my first recording");
    m.services.dialogs.answers = {false};
    m.Start();
    m.RunBenchmark();
    ASSERT_EQ(m.services.dialogs.questions.size(), 1u);
    EXPECT_NE(m.services.dialogs.questions[0].find("qordemo1.dem"), std::string::npos);
    EXPECT_TRUE(m.services.launcher.starts().empty());
    m.form->Form().Close();
    EXPECT_EQ(Read(m, InstalledMachine::Mod("qordemo1.dem")), "my first recording");
    EXPECT_EQ(Read(m, InstalledMachine::Mod("qordemo2.dem")), "my second recording");
    EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec);
  }
}

// Started from the program's own folder (as Explorer starts it) with the game not found: the
// names of the shipped demos alone named the program's own files, and a close deleted them.
TEST(WaysOutTest, AnUnknownGameFolderLeavesTheProgramsFilesAlone) {
  for (bool exitButton : {false, true}) {
    InstalledMachine m;
    m.services.files.RemoveTree(InstalledMachine::Game(""));
    m.Store("Path", "");
    m.services.files.currentFolder = InstalledMachine::kProgram;
    m.Start();
    EXPECT_TRUE(m.form->Folders().GameModFolder.empty());
    m.RunBenchmark();
    if (exitButton)
      PressExit(m);
    else
      m.form->Form().Close();
    EXPECT_EQ(Read(m, std::string(InstalledMachine::kProgram) + "qordemo1.dem"), "shipped demo 1");
    EXPECT_EQ(Read(m, std::string(InstalledMachine::kProgram) + "qordemo2.dem"), "shipped demo 2");
    EXPECT_TRUE(m.services.launcher.starts().empty());
  }
}

// A game folder that no longer holds the game: Run refuses before anything is placed, and no
// folder of the game is made anew.
TEST(WaysOutTest, RunRefusesAGameThatIsNoLongerInItsFolder) {
  struct Case {
    const char* what;
    void (*move)(InstalledMachine&);
    const char* told;
  };
  const Case cases[] = {
      {"the whole game moved",
       [](InstalledMachine& m) { m.services.files.RemoveTree(InstalledMachine::Game("")); },
       "hl2.exe"},
      {"hl2.exe gone",
       [](InstalledMachine& m) { m.services.files.RemoveFile(InstalledMachine::Game("hl2.exe")); },
       "hl2.exe"},
      {"the cfg folder gone",
       [](InstalledMachine& m) { m.services.files.RemoveTree(InstalledMachine::Cfg("")); }, "cfg"},
  };
  for (const Case& c : cases) {
    InstalledMachine m;
    m.Start();
    c.move(m);
    const auto before = m.services.files.Files();
    const bool modFolderBefore = m.services.files.DirectoryExists(InstalledMachine::Mod(""));
    const bool cfgFolderBefore = m.services.files.DirectoryExists(InstalledMachine::Cfg(""));
    m.RunBenchmark();
    ASSERT_EQ(m.services.dialogs.messages.size(), 1u) << c.what;
    EXPECT_NE(m.services.dialogs.messages[0].find(c.told), std::string::npos)
        << c.what << ": " << m.services.dialogs.messages[0];
    EXPECT_TRUE(m.services.launcher.starts().empty()) << c.what;
    EXPECT_EQ(m.services.files.Files(), before) << c.what;
    EXPECT_EQ(m.services.files.DirectoryExists(InstalledMachine::Mod("")), modFolderBefore)
        << c.what;
    EXPECT_EQ(m.services.files.DirectoryExists(InstalledMachine::Cfg("")), cfgFolderBefore)
        << c.what;
    EXPECT_TRUE(m.Control<ui::Control>("BenchButton").Enabled()) << c.what;
  }
}

// A launch that cannot be made ends the benchmark as a stopped one: the game as before, Run
// enabled, Panel2 gone, the error kept in the status line.
TEST(WaysOutTest, AFailedLaunchPutsTheGameBackAtOnce) {
  InstalledMachine m;
  m.Start();
  m.services.launcher.FailStartsWith(
      platform::OsError(2, "The system cannot find the file specified."));
  m.RunBenchmark();
  EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec);
  EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Cfg("autoexec_old.cfg")));
  EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Mod("qordemo1.dem")));
  EXPECT_FALSE(m.Control<ui::Panel>("Panel2").Visible());
  EXPECT_TRUE(m.Control<ui::Control>("BenchButton").Enabled());
  EXPECT_EQ(m.Control<ui::Label>("StatusInfo").Caption(), "Program error, benchmark aborted!");
  EXPECT_EQ(m.Stored("NoErrorWarning"), "0");
}

// A restore that fails at the end of a benchmark stays pending, as its message promises: the
// next close puts the user's file back.
TEST(WaysOutTest, ARestoreThatFailedIsTriedAgainAtTheClose) {
  InstalledMachine m;
  m.Start();
  m.game.onGameExit = [&m](std::size_t) {
    m.services.files.AddFile(InstalledMachine::Mod("sourcebench.csv"),
                             "Half-Life 2 Benchmark Results\r\n\r\nheader\r\n"
                             "qordemo1.dem,UNKNOWN, 61.5,  2.0,\r\n");
    m.services.files.SetReadOnly(InstalledMachine::Cfg("autoexec_old.cfg"));
  };
  m.RunBenchmark();
  ASSERT_FALSE(m.services.dialogs.messages.empty());
  EXPECT_NE(m.services.dialogs.messages[0].find("autoexec_old.cfg"), std::string::npos);
  EXPECT_TRUE(m.services.files.FileExists(InstalledMachine::Cfg("autoexec_old.cfg")))
      << "the user's file waits aside";

  m.services.files.SetWritable(InstalledMachine::Cfg("autoexec_old.cfg"));
  m.form->Form().Close();
  EXPECT_EQ(Read(m, InstalledMachine::Cfg("autoexec.cfg")), InstalledMachine::kUsersAutoexec);
  EXPECT_FALSE(m.services.files.FileExists(InstalledMachine::Cfg("autoexec_old.cfg")));
}

}  // namespace
}  // namespace tamsendor::app

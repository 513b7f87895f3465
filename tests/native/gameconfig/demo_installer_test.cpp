#include "gameconfig/demo_installer.h"

#include <gtest/gtest.h>

#include <deque>

#include "core/product_key.h"
#include "platform/path_text.h"
#include "tests/native/gameconfig/game_folder.h"

namespace tamsendor::gameconfig {
namespace {

using testing::GameFolder;

bool Install(GameFolder& g) {
  return g.demos.CheckDemoChoice() && g.demos.InstallDemo();
}

std::string StoredDemo(const GameFolder& g) {
  return g.registry.ReadString(core::kProductRoot, std::string(core::kProductKey), "Demo")
      .value_or("<none>");
}

TEST(DemoInstallerTest, ShippedDemosArePlacedAndOursRemoved) {
  GameFolder g;
  // Copies of ours, left by an earlier benchmark.
  g.files.AddFile(g.Mod("qordemo1.dem"), "shipped demo 1");
  g.files.AddFile(g.Mod("qordemo2.dem"), "shipped demo 2");
  g.demo.SetItemIndex(1);
  ASSERT_TRUE(Install(g));
  EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo1.dem")));
  EXPECT_EQ(g.Read(g.Mod("qordemo2.dem")), "shipped demo 2");
  EXPECT_EQ(g.demos.DemoName(), "qordemo2");
  EXPECT_EQ(g.demos.DemoCaption(), "Korvalin demo 2");

  // Demo 1 leaves a demo 2 where it is until the clean-up.
  g.demo.SetItemIndex(0);
  ASSERT_TRUE(Install(g));
  EXPECT_EQ(g.Read(g.Mod("qordemo1.dem")), "shipped demo 1");
  EXPECT_EQ(g.Read(g.Mod("qordemo2.dem")), "shipped demo 2");
  EXPECT_EQ(g.demos.DemoName(), "qordemo1");
  EXPECT_EQ(g.demos.DemoCaption(), "Korvalin demo 1");

  g.demos.RemoveShippedDemos();
  EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo1.dem")));
  EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo2.dem")));
}

TEST(DemoInstallerTest, TheUsersDemo) {
  struct Case {
    const char* what;
    const char* path;
    const char* name;
  };
  const Case cases[] = {
      {"an ordinary name", "D:\\Demos\\run.dem", "run"},
      {"an upper-case extension", "D:\\Demos\\Run2.DEM", "Run2"},
      {"a point before the extension", "D:\\Demos\\ep2.final.dem", "ep2.final"},
  };
  for (const Case& c : cases) {
    GameFolder g;
    g.files.AddFile(c.path, "my demo");
    g.files.AddFile(g.Mod("qordemo1.dem"), "shipped demo 1");  // left from earlier
    g.demo.SetItemIndex(2);
    g.DemoEdit.SetText(c.path);
    ASSERT_TRUE(Install(g)) << c.what;
    const std::string fileName(platform::FileNamePart(c.path));
    EXPECT_EQ(g.Read(g.Mod(fileName)), "my demo") << c.what;
    EXPECT_EQ(g.Read(c.path), "my demo") << c.what;
    EXPECT_EQ(g.demos.DemoName(), c.name) << c.what;
    EXPECT_EQ(g.demos.DemoCaption(), std::string("Custom demo - ") + c.name) << c.what;
    EXPECT_FALSE(g.files.FileExists(g.Mod("qordemo1.dem"))) << c.what;
  }
}

// The name the console is given: one word it takes as the demo, or none (found by fuzzing: a
// file named like an option).
TEST(DemoInstallerTest, TheDemoNameIsOneWordTheConsoleTakesAsTheDemo) {
  const std::pair<const char*, const char*> cases[] = {
      {"mine.dem", "mine"}, {"my-run_2.v1.DEM", "my-run_2.v1"},
      {"-novid.dem", ""},   {"+quit.dem", ""},
      {"my demo.dem", ""},  {"run;quit.dem", ""},
      {".dem", ""},         {"mine.txt", ""},
  };
  for (const auto& [file, name] : cases)
    EXPECT_EQ(DemoInstaller::DemoNameOf(file), name) << file;
}

// A file under a shipped name that is not our file is the user's: no placing, clean-up or other
// choice removes it, and it is replaced by ours only when the user says so.
TEST(DemoInstallerTest, TheUsersFileUnderAShippedNameIsTheirs) {
  struct Case {
    const char* what;
    int choice;
    std::deque<bool> answers;
    bool installs;
    const char* left;  // qordemo1.dem afterwards
  };
  const Case cases[] = {
      {"the other shipped demo chosen", 1, {}, true, "mine"},
      {"chosen as the user's demo", 2, {}, true, "mine"},
      {"our demo 1 chosen, replacing refused", 0, {false}, false, "mine"},
      {"our demo 1 chosen, replacing allowed", 0, {true}, true, "shipped demo 1"},
  };
  for (const Case& c : cases) {
    GameFolder g;
    g.files.AddFile(g.Mod("qordemo1.dem"), "mine");
    g.demo.SetItemIndex(c.choice);
    g.DemoEdit.SetText(g.Mod("qordemo1.dem"));
    g.dialogs.answers = c.answers;
    EXPECT_EQ(Install(g), c.installs) << c.what;
    EXPECT_EQ(g.dialogs.questions.size(), c.answers.size()) << c.what;
    EXPECT_EQ(g.Read(g.Mod("qordemo1.dem")), c.left) << c.what;
    g.demos.RemoveShippedDemos();
    if (std::string(c.left) == "mine") {
      EXPECT_EQ(g.Read(g.Mod("qordemo1.dem")), "mine") << c.what;
    }
  }
}

TEST(DemoInstallerTest, TheUsersDemoInTheGamesFolderIsUsedWhereItIs) {
  GameFolder g;
  g.files.AddFile(g.Mod("mine.dem"), "my demo");
  g.demo.SetItemIndex(2);
  g.DemoEdit.SetText(g.Mod("MINE.dem"));  // the same file, however it was typed
  g.files.beforeChange = [] { FAIL() << "nothing needs changing"; };
  ASSERT_TRUE(Install(g));
  g.files.beforeChange = nullptr;
  EXPECT_EQ(g.Read(g.Mod("mine.dem")), "my demo");
  EXPECT_EQ(g.demos.DemoName(), "MINE");
}

TEST(DemoInstallerTest, AnotherDemoOfTheSameNameIsReplacedOnlyWhenTheUserSaysSo) {
  for (bool replace : {false, true}) {
    GameFolder g;
    g.files.AddFile("D:\\Demos\\run.dem", "new take");
    g.files.AddFile(g.Mod("run.dem"), "the user's other run.dem");
    g.demo.SetItemIndex(2);
    g.DemoEdit.SetText("D:\\Demos\\run.dem");
    g.dialogs.answers = {replace};
    EXPECT_EQ(Install(g), replace);
    EXPECT_EQ(g.dialogs.questions.size(), 1u);
    EXPECT_EQ(g.Read(g.Mod("run.dem")), replace ? "new take" : "the user's other run.dem");
  }
  // The same bytes are simply used.
  GameFolder g;
  g.files.AddFile("D:\\Demos\\run.dem", "same");
  g.files.AddFile(g.Mod("run.dem"), "same");
  g.demo.SetItemIndex(2);
  g.DemoEdit.SetText("D:\\Demos\\run.dem");
  EXPECT_TRUE(Install(g));
  EXPECT_TRUE(g.dialogs.questions.empty());
}

TEST(DemoInstallerTest, ChoicesThatCannotBePlacedStopTheStartWithAMessage) {
  struct Case {
    const char* what;
    int choice;
    const char* path;
    bool fileExists;
  };
  const Case cases[] = {
      {"no entry chosen", -1, "", false},
      {"custom without a file", 2, "", false},
      {"custom file gone", 2, "D:\\Demos\\gone.dem", false},
      {"not a demo", 2, "D:\\Demos\\notes.txt", true},
      {"a blank in the name", 2, "D:\\Demos\\my run.dem", true},
      {"a semicolon in the name", 2, "D:\\Demos\\run;quit.dem", true},
      {"no name at all", 2, "D:\\Demos\\.dem", true},
  };
  for (const Case& c : cases) {
    GameFolder g;
    if (c.fileExists)
      g.files.AddFile(c.path, "bytes");
    g.demo.SetItemIndex(c.choice);
    g.DemoEdit.SetText(c.path);
    const std::size_t filesBefore = g.files.FileCount();
    EXPECT_FALSE(g.demos.CheckDemoChoice()) << c.what;
    EXPECT_EQ(g.dialogs.messages.size(), 1u) << c.what;
    EXPECT_EQ(g.files.FileCount(), filesBefore) << c.what;
  }

  // A shipped demo missing from the program's folder is reported by us.
  GameFolder g;
  ASSERT_TRUE(g.files.RemoveFile(g.folders.ProgramFolder + "qordemo2.dem"));
  g.demo.SetItemIndex(1);
  EXPECT_FALSE(g.demos.CheckDemoChoice());
  ASSERT_EQ(g.dialogs.messages.size(), 1u);
  EXPECT_NE(g.dialogs.messages[0].find("qordemo2.dem"), std::string::npos);
}

TEST(DemoInstallerTest, ACopyThatFailsIsReported) {
  GameFolder g;
  g.files.SetReadOnly(g.folders.GameModFolder);
  g.demo.SetItemIndex(0);
  EXPECT_TRUE(g.demos.CheckDemoChoice());
  EXPECT_FALSE(g.demos.InstallDemo());
  ASSERT_EQ(g.dialogs.messages.size(), 1u);
  EXPECT_NE(g.dialogs.messages[0].find(g.Mod("qordemo1.dem")), std::string::npos);
}

TEST(DemoInstallerTest, TheChoiceIsStoredAndEnablesTheCustomField) {
  GameFolder g;
  g.demo.OnChanging = [&] { g.demos.demoChanging(); };
  g.demo.SetItemIndex(2);
  EXPECT_EQ(StoredDemo(g), "3");
  EXPECT_TRUE(g.DemoEdit.Enabled());
  EXPECT_TRUE(g.DemoEditButton.Enabled());
  g.demo.SetItemIndex(0);
  EXPECT_EQ(StoredDemo(g), "1");
  EXPECT_FALSE(g.DemoEdit.Enabled());
  EXPECT_FALSE(g.DemoEditButton.Enabled());

  g.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
  g.demo.SetItemIndex(2);  // no key: nothing stored, the field still follows
  EXPECT_TRUE(g.DemoEdit.Enabled());
  g.demos.demoMouseLeave();
  EXPECT_TRUE(g.registry.writes.size() == 2u);
}

TEST(DemoInstallerTest, PointerLeavingStoresTheChoiceAgain) {
  GameFolder g;
  g.demo.SetItemIndex(1);
  g.demos.demoMouseLeave();
  EXPECT_EQ(StoredDemo(g), "2");
  g.demo.SetItemIndex(-1);
  g.registry.writes.clear();
  g.demos.demoMouseLeave();
  EXPECT_TRUE(g.registry.writes.empty());
}

TEST(DemoInstallerTest, TheUsersDemoFileIsChosenInTheSystemsDialog) {
  GameFolder g;
  g.fileDialogs.choices = {std::nullopt, std::string("D:\\Demos\\run.dem")};
  g.DemoEdit.SetText("D:\\Demos\\old.dem");
  g.demos.DemoEditButtonClick();  // cancelled
  EXPECT_EQ(g.DemoEdit.Text(), "D:\\Demos\\old.dem");
  EXPECT_EQ(StoredDemo(g), "<none>");
  EXPECT_TRUE(g.registry.writes.empty());

  g.demos.DemoEditButtonClick();
  EXPECT_EQ(g.DemoEdit.Text(), "D:\\Demos\\run.dem");
  EXPECT_EQ(g.registry.ReadString(core::kProductRoot, std::string(core::kProductKey), "Demoname"),
            "D:\\Demos\\run.dem");
  ASSERT_EQ(g.fileDialogs.shown.size(), 2u);
  EXPECT_EQ(g.fileDialogs.shown[1].filter, "Half-Life 2 demo file (*.dem)|*.dem");
  // Each opens where the demo shown lies.
  EXPECT_EQ(g.fileDialogs.shown[0].startFolder, "D:\\Demos");
}

}  // namespace
}  // namespace tamsendor::gameconfig

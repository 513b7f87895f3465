#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/game_folders.h"
#include "tests/native/app/started_form.h"
#include "ui/edit.h"
#include "ui/picture_button.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

constexpr char kProgramFolder[] = "C:\\Program Files\\Korvalin Tamsendor\\";
constexpr char kDefaultResults[] = "C:\\Program Files\\Korvalin Tamsendor\\Benchmark\\";

TEST(FoldersTest, TheParentOfAFolderEndsInItsSeparator) {
  struct Case {
    const char* folder;
    const char* parent;
  };
  const Case cases[] = {
      {"X:\\Games\\half-life 2 episode two\\", "X:\\Games\\"},
      {"c:/program files/steam/steamapps\\joe\\half-life 2 episode two\\",
       "c:/program files/steam/steamapps\\joe\\"},
      {"c:/steam/hl2\\", "c:/steam/"},
      {"X:\\Games\\", "X:\\"},
      {"X:\\", ""},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParentFolderText(c.folder), c.parent) << c.folder;
}

TEST(FoldersTest, StartUpFindsTheSteamClientAndTheGame) {
  struct Case {
    const char* what;
    std::optional<std::string> steamPath;
    std::string storedPath;
    std::vector<std::string> files;        // existing files (their folders exist too)
    std::vector<std::string> searchFiles;  // the Steam tree, in walk order
    std::string steamFolder;
    std::string gamesFolder;
    bool searched;
  };
  const std::string hl2 = "half-life 2 episode two\\hl2.exe";
  const Case cases[] = {
      {"first start: the game is searched below Steam",
       "c:/program files/steam",
       "",
       {},
       {"c:/program files/steam/steamapps\\joe\\" + hl2},
       "c:/program files/steam/",
       "c:\\program files\\steam\\steamapps\\joe\\",  // shown with one kind of separator
       true},
      {"the last match wins",
       "c:/steam",
       "",
       {},
       {"c:/steam/steamapps\\common\\" + hl2, "c:/steam/steamapps\\joe\\" + hl2,
        "c:/steam/steamapps\\joe\\readme.txt"},
       "c:/steam/",
       "c:\\steam\\steamapps\\joe\\",
       true},
      {"nothing found", "c:/steam", "", {}, {"c:/steam/steam.exe"}, "c:/steam/", "", true},
      {"no SteamPath: no search", std::nullopt, "", {}, {"c:/steam/" + hl2}, "", "", false},
      {"an empty SteamPath is none", "", "", {}, {"c:/" + hl2}, "", "", false},
      {"a SteamPath ending in its separator gets no second one",
       "c:/steam/",
       "",
       {},
       {"c:/steam/steamapps\\common\\" + hl2},
       "c:/steam/",
       "c:\\steam\\steamapps\\common\\",
       true},
      {"a SteamPath with a line break is none",
       "c:/steam\r\n-console",
       "",
       {},
       {"c:/steam\r\n-console/" + hl2},
       "",
       "",
       false},
      {"a stored folder that holds the game",
       "c:/steam",
       "D:\\Games\\",
       {"D:\\Games\\" + hl2},
       {"c:/steam/steamapps\\common\\" + hl2},
       "c:/steam/",
       "D:\\Games\\",
       false},
      {"a stored folder without its separator gets it",
       "c:/steam",
       "D:\\Games",
       {"D:\\Games\\" + hl2},
       {},
       "c:/steam/",
       "D:\\Games\\",
       false},
      {"a stored folder with forward separators",
       "c:/steam",
       "D:/Games/",
       {"D:\\Games\\" + hl2},
       {},
       "c:/steam/",
       "D:\\Games\\",
       false},
      {"a stale stored folder is dropped",
       "c:/steam",
       "D:\\Gone\\",
       {},
       {"c:/steam/steamapps\\common\\" + hl2},
       "c:/steam/",
       "",
       false},
      {"a stored folder the game has left is stale too",
       "c:/steam",
       "D:\\Games\\",
       {"D:\\Games\\half-life 2 episode two\\ep2\\cfg\\config.cfg"},
       {"c:/steam/steamapps\\common\\" + hl2},
       "c:/steam/",
       "",
       false},
      {"a stored folder with characters no folder has is stale",
       "c:/steam",
       "D:\\Games\\\r\n",
       {"D:\\Games\\\r\n\\" + hl2},
       {},
       "c:/steam/",
       "",
       false},
  };
  for (const Case& c : cases) {
    StartedForm s;
    if (c.steamPath)
      s.SetSteamPath(*c.steamPath);
    s.Store("Path", c.storedPath);
    for (const auto& file : c.files)
      s.services.files.AddFile(file, "x");
    for (const auto& file : c.searchFiles)
      s.services.search.AddFile(file);
    const TForm1& form = s.Start();

    const core::Folders& f = form.Folders();
    EXPECT_EQ(f.SteamFolder, c.steamFolder) << c.what;
    EXPECT_EQ(f.GamesFolder, c.gamesFolder) << c.what;
    // A game not found has no folders of its own, not names relative to the current folder.
    const std::string mod =
        c.gamesFolder.empty() ? "" : c.gamesFolder + "half-life 2 episode two\\ep2\\";
    EXPECT_EQ(f.GameModFolder, mod) << c.what;
    EXPECT_EQ(f.GameCfgFolder, mod.empty() ? "" : mod + "cfg\\") << c.what;
    EXPECT_EQ(s.Control<ui::Edit>("HL2PathEdit").Text(), c.gamesFolder) << c.what;
    EXPECT_EQ(s.Stored("Path"), c.gamesFolder) << c.what;
    EXPECT_EQ(s.services.search.Searches(),
              c.searched ? std::vector<std::string>{c.steamFolder} : std::vector<std::string>{})
        << c.what;
  }
}

// Steam's own record comes before the walk: the game in another library folder, under the name
// its manifest gives, is found without a search, and again at the next start from "Path".
TEST(FoldersTest, StartUpTakesTheGameWhereSteamsLibrariesSayItIs) {
  const std::string libraries =
      "\"libraryfolders\" { \"0\" { \"path\" \"c:\\\\steam\" }"
      " \"1\" { \"path\" \"D:\\\\SteamLibrary\" } }";
  const std::string library = "D:\\SteamLibrary\\steamapps\\";
  for (const bool gameThere : {true, false}) {
    StartedForm s;
    s.SetSteamPath("c:/steam");
    s.services.files.AddFile("c:\\steam\\steamapps\\libraryfolders.vdf", libraries);
    s.services.files.AddFile(library + "appmanifest_420.acf",
                             "\"AppState\" { \"appid\" \"420\" \"installdir\" \"Half-Life 2\" }");
    if (gameThere)
      s.services.files.AddFile(library + "common\\Half-Life 2\\hl2.exe", "the game");
    s.services.search.AddFile("c:/steam/steamapps\\common\\half-life 2 episode two\\hl2.exe");
    const TForm1& form = s.Start();
    const core::Folders& f = form.Folders();
    if (!gameThere) {
      // A manifest whose game is gone leaves it to the walk.
      EXPECT_EQ(s.services.search.Searches(), std::vector<std::string>{"c:/steam/"});
      EXPECT_EQ(f.GamesFolder, "c:\\steam\\steamapps\\common\\");
      continue;
    }
    EXPECT_TRUE(s.services.search.Searches().empty());
    EXPECT_EQ(f.GamesFolder, library + "common\\");
    EXPECT_EQ(f.GameFolder, library + "common\\Half-Life 2\\");
    EXPECT_EQ(f.GameModFolder, library + "common\\Half-Life 2\\ep2\\");
    EXPECT_EQ(f.GameCfgFolder, library + "common\\Half-Life 2\\ep2\\cfg\\");
    EXPECT_EQ(s.Stored("Path"), library + "common\\");

    // The next start, with "Path" stored: the same game, still without a search.
    s.form.reset();
    const TForm1& again = s.Start();
    EXPECT_EQ(again.Folders().GameModFolder, library + "common\\Half-Life 2\\ep2\\");
    EXPECT_EQ(s.Stored("Path"), library + "common\\");
    EXPECT_TRUE(s.services.search.Searches().empty());
  }
}

TEST(FoldersTest, StartUpKeepsAnExistingResultsFolderElseTakesTheDefault) {
  struct Case {
    std::optional<std::string> stored;
    bool exists;
    std::string shown;
  };
  const Case cases[] = {
      {"E:\\Results\\", true, "E:\\Results\\"},
      {"D:\\", true, "D:\\"},
      {"E:\\Results", true, "E:\\Results\\"},  // stored without its separator
      {"E:/Results/", true, "E:/Results/"},
      {"E:\\Deleted\\", false, kDefaultResults},
      {"", false, kDefaultResults},
      {std::nullopt, false, kDefaultResults},
      {"E:\\Results\\\t", true, kDefaultResults},  // no folder name holds a tab
      {"E:\\Res|ults\\", true, kDefaultResults},
  };
  for (const Case& c : cases) {
    StartedForm s;
    if (c.stored)
      s.Store("ResultPath", *c.stored);
    if (c.exists)
      s.services.files.AddDirectory(*c.stored);
    const TForm1& form = s.Start();
    EXPECT_EQ(s.Control<ui::Edit>("ResEdit").Text(), c.shown) << c.stored.value_or("(none)");
    EXPECT_EQ(form.Folders().ResultsFolder, c.shown);
    EXPECT_EQ(s.Stored("ResultPath"), c.shown);
    EXPECT_EQ(form.Folders().ProgramFolder, kProgramFolder);
    EXPECT_TRUE(s.services.files.DirectoryExists(kDefaultResults));
  }
}

TEST(FoldersTest, TheGameBrowseStoresTheFolderAboveTheGame) {
  struct Case {
    std::optional<std::string> chosen;
    std::string gamesFolder;
    std::string gameFolder;  // the game's own, where its ep2\cfg is
  };
  const Case cases[] = {
      {"X:\\Games\\half-life 2 episode two\\hl2.exe", "X:\\Games\\",
       "X:\\Games\\half-life 2 episode two\\"},
      // A game folder of another name is the game's folder all the same.
      {"E:\\Steam\\steamapps\\common\\Episode Two\\hl2.exe", "E:\\Steam\\steamapps\\common\\",
       "E:\\Steam\\steamapps\\common\\Episode Two\\"},
      {std::nullopt, "D:\\Old\\", "D:\\Old\\half-life 2 episode two\\"},  // cancelled
  };
  for (const Case& c : cases) {
    StartedForm s;
    s.Store("Path", "D:\\Old\\");
    s.services.files.AddFile("D:\\Old\\half-life 2 episode two\\hl2.exe", "the game");
    const TForm1& form = s.Start();
    s.services.fileDialogs.choices.push_back(c.chosen);
    s.Control<ui::PictureButton>("RzToolButton2").HandleClick();

    // It opens at the folder the field shows.
    const std::vector<fakes::FakeFileDialogs::Shown> shown = {
        {"Browse for HL2 ETWO executable", "HL2 ETWO executable (hl2.exe)|hl2.exe", "D:\\Old\\"}};
    EXPECT_EQ(s.services.fileDialogs.shown, shown);
    const std::string what = c.chosen.value_or("(cancelled)");
    EXPECT_EQ(s.Stored("Path"), c.gamesFolder) << what;
    EXPECT_EQ(s.Control<ui::Edit>("HL2PathEdit").Text(), c.gamesFolder) << what;
    EXPECT_EQ(form.Folders().GamesFolder, c.gamesFolder) << what;
    EXPECT_EQ(form.Folders().GameFolder, c.gameFolder) << what;
    EXPECT_EQ(form.Folders().GameCfgFolder, c.gameFolder + "ep2\\cfg\\") << what;
  }
}

TEST(FoldersTest, TheGameBrowseChangesNothingWithoutTheProductKey) {
  StartedForm s;
  s.Store("Path", "D:\\Old\\");
  s.services.files.AddFile("D:\\Old\\half-life 2 episode two\\hl2.exe", "the game");
  const TForm1& form = s.Start();
  s.services.registry.DeleteKey(core::kProductRoot, std::string(core::kProductKey));
  s.services.fileDialogs.choices.push_back("X:\\Games\\half-life 2 episode two\\hl2.exe");
  s.Control<ui::PictureButton>("RzToolButton2").HandleClick();
  EXPECT_EQ(s.Control<ui::Edit>("HL2PathEdit").Text(), "D:\\Old\\");
  EXPECT_EQ(form.Folders().GamesFolder, "D:\\Old\\");
  EXPECT_FALSE(s.services.registry.KeyExists(core::kProductRoot, std::string(core::kProductKey)));
}

TEST(FoldersTest, TheResultsBrowseKeepsADriveRootAndEndsOtherFoldersWithASeparator) {
  struct Case {
    std::optional<std::string> chosen;
    std::string shown;
  };
  const Case cases[] = {
      {"D:\\", "D:\\"},
      {"D:\\Results", "D:\\Results\\"},
      {std::nullopt, kDefaultResults},
  };
  for (const Case& c : cases) {
    StartedForm s;
    const TForm1& form = s.Start();
    s.services.fileDialogs.choices.push_back(c.chosen);
    s.Control<ui::PictureButton>("RzToolButton5").HandleClick();
    EXPECT_EQ(
        s.services.fileDialogs.shown,
        (std::vector<fakes::FakeFileDialogs::Shown>{{"Results folder", "", kDefaultResults}}));
    EXPECT_EQ(s.Control<ui::Edit>("ResEdit").Text(), c.shown);
    EXPECT_EQ(form.Folders().ResultsFolder, c.shown);
    EXPECT_EQ(s.Stored("ResultPath"), c.shown);
  }
}

TEST(FoldersTest, LeavingTheResultsFieldStoresWhatItShows) {
  StartedForm s;
  s.Start();
  s.Store("ResultPath", "elsewhere");
  s.Control<ui::Edit>("ResEdit").HandleFocusLeft();
  EXPECT_EQ(s.Stored("ResultPath"), kDefaultResults);

  s.Store("ResultPath", "elsewhere");
  s.Control<ui::Edit>("ResEdit").SetText("");
  s.Control<ui::Edit>("ResEdit").HandleFocusLeft();
  EXPECT_EQ(s.Stored("ResultPath"), "elsewhere") << "an empty field is not stored";
}

TEST(FoldersTest, OpenShowsTheResultsFolderOrSaysItIsGone) {
  StartedForm s;
  s.Store("ResultPath", "E:\\Results\\");
  s.services.files.AddDirectory("E:\\Results");
  s.Start();
  auto& open = s.Control<ui::PictureButton>("OpenResFolder");
  open.HandleClick();
  EXPECT_EQ(s.services.opener.opened, std::vector<std::string>{"E:\\Results\\"});
  EXPECT_TRUE(s.services.dialogs.messages.empty());

  s.Control<ui::Edit>("ResEdit").SetText("E:\\Deleted\\");
  open.HandleClick();
  EXPECT_EQ(s.services.dialogs.messages,
            std::vector<std::string>{"The results directory not exist."});

  s.Control<ui::Edit>("ResEdit").SetText("");
  open.HandleClick();
  EXPECT_EQ(s.services.opener.opened.size(), 1u);
  EXPECT_EQ(s.services.dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace tamsendor::app

// Steam's KeyValues text, and the library folders and game manifests written in it.
#include <gtest/gtest.h>

#include <string>

#include "steam/key_values.h"
#include "steam/steam_libraries.h"
#include "tests/fakes/fake_file_system.h"

namespace tamsendor::steam {
namespace {

TEST(KeyValuesTest, QuotedAndBareEntriesBlocksEscapesAndComments) {
  const auto entries = ReadKeyValues(
      "\xEF\xBB\xBF// Steam's library folders\n"
      "\"libraryfolders\"\n{\n"
      "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"C:\\\\Program Files (x86)\\\\Steam\"\n"
      "\t\t\"label\"\t\t\"\"  // the first library\n"
      "\t\t\"apps\" { \"420\" \"123\" }\n\t}\n"
      "\tquote \"say \\\"hi\\\"\\n\\tthere \\x\"\n"
      "\t\"cond\" \"1\" [$WIN32]\n"
      "}\n");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  const KeyValue& root = entries->front();
  EXPECT_EQ(root.key, "libraryfolders");
  EXPECT_TRUE(root.isBlock);
  ASSERT_EQ(root.children.size(), 3u);
  const KeyValue* first = root.Find("0");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Find("PATH")->value, "C:\\Program Files (x86)\\Steam");
  EXPECT_EQ(first->Find("label")->value, "");
  EXPECT_EQ(first->Find("apps")->Find("420")->value, "123");
  EXPECT_EQ(root.Find("quote")->value, "say \"hi\"\n\tthere \\x");
  EXPECT_EQ(root.Find("cond")->value, "1");
}

TEST(KeyValuesTest, BrokenTextIsNoTextAtAll) {
  const std::string deep = std::string(40, '{');
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"a string that never ends", "\"a\" \"b"},
      {"a block that never ends", "\"a\" { \"b\" \"c\""},
      {"a key without a value", "\"a\" { \"b\" }"},
      {"a key at the end", "\"a\""},
      {"a stray closing brace", "\"a\" \"b\" }"},
      {"a block without a key", "{ \"a\" \"b\" }"},
      {"nesting beyond the limit",
       [] {
         std::string text;
         for (int i = 0; i < 40; ++i)
           text += "k {";
         return text + std::string(40, '}');
       }()},
      {"beyond the size limit", "\"a\" \"" + std::string(kKeyValuesLimit, 'x') + "\""},
      {"binary garbage", std::string("\"a\" {\0\x01\xff\"", 9)},
  };
  for (const auto& c : cases)
    EXPECT_FALSE(ReadKeyValues(c.text).has_value()) << c.what;
  EXPECT_TRUE(ReadKeyValues("").has_value());
  EXPECT_TRUE(ReadKeyValues("// only a comment").has_value());
}

constexpr char kSteam[] = "c:/program files (x86)/steam/";
constexpr char kSteamLibraries[] = "C:\\Program Files (x86)\\Steam\\steamapps\\libraryfolders.vdf";

std::string Manifest(const std::string& installDir) {
  return "\"AppState\"\n{\n\t\"appid\"\t\t\"420\"\n\t\"installdir\"\t\t\"" + installDir + "\"\n}\n";
}

TEST(SteamLibrariesTest, BothLayoutsOfTheLibraryListAndSteamsOwnFolderFirst) {
  const struct {
    const char* what;
    std::string file;
    std::vector<std::string> libraries;
  } cases[] = {
      {"the current layout",
       "\"libraryfolders\"\n{\n\t\"contentstatsid\"\t\"-1\"\n"
       "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"C:\\\\Program Files (x86)\\\\Steam\"\n\t}\n"
       "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"D:\\\\SteamLibrary\"\n\t}\n}\n",
       {"c:\\program files (x86)\\steam\\", "D:\\SteamLibrary\\"}},
      {"the older layout",
       "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
       "\t\"ContentStatsID\"\t\t\"-123\"\n\t\"1\"\t\t\"E:\\\\Games\\\\Steam\"\n"
       "\t\"2\"\t\t\"F:/Steam Library/\"\n}\n",
       {"c:\\program files (x86)\\steam\\", "E:\\Games\\Steam\\", "F:\\Steam Library\\"}},
      {"a path that cannot be a folder",
       "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\Lib\\r\\n-console\" } \"2\" \"relative\" }",
       {"c:\\program files (x86)\\steam\\"}},
      {"a broken file",
       "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\Lib\"",
       {"c:\\program files (x86)\\steam\\"}},
  };
  for (const auto& c : cases) {
    fakes::FakeFileSystem files;
    files.AddFile(kSteamLibraries, c.file);
    EXPECT_EQ(LibraryFolders(files, kSteam), c.libraries) << c.what;
  }
  fakes::FakeFileSystem none;
  EXPECT_EQ(LibraryFolders(none, kSteam),
            std::vector<std::string>{"c:\\program files (x86)\\steam\\"});
  EXPECT_TRUE(LibraryFolders(none, "").empty());
}

TEST(SteamLibrariesTest, TheGameIsWhereItsManifestSaysInAnyLibrary) {
  const std::string libraries =
      "\"libraryfolders\" { \"0\" { \"path\" \"c:\\\\program files (x86)\\\\steam\" }"
      " \"1\" { \"path\" \"D:\\\\SteamLibrary\" } \"2\" { \"path\" \"X:\\\\Gone\" } }";
  const std::string first = "C:\\Program Files (x86)\\Steam\\steamapps\\";
  const std::string second = "D:\\SteamLibrary\\steamapps\\";
  const struct {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    std::optional<std::string> game;
  } cases[] = {
      {"in the first library",
       {{first + "appmanifest_420.acf", Manifest("Half-Life 2")},
        {first + "common\\Half-Life 2\\hl2.exe", "x"}},
       "c:\\program files (x86)\\steam\\steamapps\\common\\Half-Life 2\\"},
      {"in the second library",
       {{second + "appmanifest_420.acf", Manifest("half-life 2 episode two")},
        {second + "common\\half-life 2 episode two\\hl2.exe", "x"}},
       "D:\\SteamLibrary\\steamapps\\common\\half-life 2 episode two\\"},
      {"a manifest whose game is not there",
       {{second + "appmanifest_420.acf", Manifest("HL2")}},
       std::nullopt},
      {"a manifest without installdir",
       {{second + "appmanifest_420.acf", "\"AppState\" { \"appid\" \"420\" }"},
        {second + "common\\half-life 2 episode two\\hl2.exe", "x"}},
       std::nullopt},
      {"an installdir that is a path, not a name",
       {{second + "appmanifest_420.acf", Manifest("games\\\\hl2")},
        {second + "common\\games\\hl2\\hl2.exe", "x"}},
       std::nullopt},
      {"no manifest", {{second + "common\\half-life 2 episode two\\hl2.exe", "x"}}, std::nullopt},
  };
  for (const auto& c : cases) {
    fakes::FakeFileSystem files;
    files.AddFile(kSteamLibraries, libraries);
    for (const auto& [path, bytes] : c.files)
      files.AddFile(path, bytes);
    EXPECT_EQ(InstalledGameFolder(files, kSteam, "420", "hl2.exe"), c.game) << c.what;
  }
}

}  // namespace
}  // namespace tamsendor::steam

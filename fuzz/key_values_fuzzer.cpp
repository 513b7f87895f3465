// Steam's KeyValues text, and the library folders and game manifest read with it: what is read
// writes back and reads again the same, nothing nests deeper than the limit, and the folders
// found are full paths that Steam's own files name.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/path_text.h"
#include "steam/key_values.h"
#include "steam/steam_libraries.h"
#include "tests/fakes/fake_file_system.h"

using namespace tamsendor;
using steam::KeyValue;

namespace {

constexpr char kSteam[] = "C:\\Program Files (x86)\\Steam\\";
constexpr char kOtherLibrary[] = "D:\\SteamLibrary\\";

int Depth(const std::vector<KeyValue>& entries) {
  int deepest = 0;
  for (const KeyValue& entry : entries) {
    FUZZ_CHECK(entry.isBlock || entry.children.empty(), "a text value has no children");
    FUZZ_CHECK(!entry.isBlock || entry.value.empty(), "a block has no text value");
    if (entry.isBlock)
      deepest = std::max(deepest, 1 + Depth(entry.children));
  }
  return deepest;
}

void Quote(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    if (c == '\\' || c == '"')
      out += '\\';
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  out += '"';
}

// The entries as Steam would write them: every key and value quoted.
void Write(std::string& out, const std::vector<KeyValue>& entries) {
  for (const KeyValue& entry : entries) {
    Quote(out, entry.key);
    if (entry.isBlock) {
      out += "\n{\n";
      Write(out, entry.children);
      out += "}\n";
    } else {
      out += '\t';
      Quote(out, entry.value);
      out += '\n';
    }
  }
}

bool Same(const std::vector<KeyValue>& a, const std::vector<KeyValue>& b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].key != b[i].key || a[i].value != b[i].value || a[i].isBlock != b[i].isBlock ||
        !Same(a[i].children, b[i].children))
      return false;
  }
  return true;
}

void CheckReader(const std::string& text) {
  const auto entries = steam::ReadKeyValues(text);
  if (text.size() > steam::kKeyValuesLimit)
    FUZZ_CHECK(!entries, "a text over the limit is refused");
  if (!entries)
    return;
  FUZZ_CHECK(Depth(*entries) <= steam::kKeyValuesDepth, "nothing nests deeper than the limit");
  std::string written;
  Write(written, *entries);
  const auto again = steam::ReadKeyValues(written);
  FUZZ_CHECK(again.has_value(), "what was read, written back, reads again");
  FUZZ_CHECK(Same(*entries, *again), "and reads the same");
  if (!entries->empty()) {
    const KeyValue* found = steam::FindEntry(*entries, entries->back().key);
    FUZZ_CHECK(found != nullptr, "an entry's own key finds an entry");
    FUZZ_CHECK(found <= &entries->back(), "the first one of that key");
  }
}

void CheckLibraries(const std::string& libraryFolders, const std::string& manifest,
                    bool gameInOtherLibrary) {
  fakes::FakeFileSystem files;
  files.AddFile(std::string(kSteam) + "steamapps\\libraryfolders.vdf", libraryFolders);
  const std::string library = gameInOtherLibrary ? kOtherLibrary : kSteam;
  files.AddFile(library + "steamapps\\appmanifest_420.acf", manifest);
  files.AddFile(library + "steamapps\\common\\Half-Life 2\\hl2.exe", "game");

  const std::vector<std::string> libraries = steam::LibraryFolders(files, kSteam);
  FUZZ_CHECK(!libraries.empty() && libraries.front() == kSteam, "Steam's own folder first");
  for (std::size_t i = 0; i < libraries.size(); ++i) {
    FUZZ_CHECK(platform::IsFullPath(libraries[i]), "a library is a full path");
    FUZZ_CHECK(libraries[i].back() == '\\', "a library ends in a backslash");
    for (std::size_t j = 0; j < i; ++j)
      FUZZ_CHECK(platform::PathKey(libraries[i]) != platform::PathKey(libraries[j]),
                 "each library once");
  }

  const auto game = steam::InstalledGameFolder(files, kSteam, "420", "hl2.exe");
  if (!game)
    return;
  FUZZ_CHECK(files.FileExists(*game + "hl2.exe"), "the game folder holds the game");
  FUZZ_CHECK(std::any_of(libraries.begin(), libraries.end(),
                         [&](const std::string& l) { return game->rfind(l, 0) == 0; }),
             "the game lies in a library");
  // Windows names a folder without regard to case, so a manifest's "half-life 2" is that folder.
  FUZZ_CHECK(
      platform::PathKey(*game) == platform::PathKey(library + "steamapps\\common\\Half-Life 2\\"),
      "where the manifest says");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    CheckReader(input.ConsumeRemainingBytesAsString());
    return 0;
  }
  const bool other = input.ConsumeBool();
  const std::string manifest = input.ConsumeRandomLengthString(4096);
  const std::string libraryFolders = input.ConsumeRemainingBytesAsString();
  CheckReader(manifest);
  CheckLibraries(libraryFolders, manifest, other);
  return 0;
}

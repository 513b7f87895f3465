#include "steam/steam_libraries.h"

#include <algorithm>

#include "core/folders.h"
#include "platform/path_text.h"
#include "steam/key_values.h"

namespace tamsendor::steam {

namespace {

// The file as KeyValues, when it can be read and is no larger than the reader takes.
std::optional<std::vector<KeyValue>> ReadFile(const platform::FileSystem& files,
                                              const std::string& path) {
  const std::optional<std::string> text = files.ReadBytes(path);
  if (!text)
    return std::nullopt;
  return ReadKeyValues(*text);
}

// The top-level block of that name, as Steam writes one per file.
const KeyValue* Root(const std::vector<KeyValue>& entries, std::string_view name) {
  const KeyValue* root = FindEntry(entries, name);
  return root != nullptr && root->isBlock ? root : nullptr;
}

bool IsNumber(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A folder name as Steam gives "installdir": one name, not a path.
bool IsFolderName(std::string_view name) {
  if (name.empty() || name == "." || name == "..")
    return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '/' || c == ':' || c == '"' ||
           c == '<' || c == '>' || c == '|' || c == '*' || c == '?';
  });
}

}  // namespace

std::vector<std::string> LibraryFolders(const platform::FileSystem& files,
                                        const std::string& steamFolder) {
  std::vector<std::string> libraries;
  auto add = [&libraries](std::string_view path) {
    std::string folder = platform::WithBackslashes(core::StoredFolderText(path, '\\'));
    if (folder.empty() || !platform::IsFullPath(folder))
      return;
    const std::string key = platform::PathKey(folder);
    if (std::none_of(libraries.begin(), libraries.end(),
                     [&key](const std::string& known) { return platform::PathKey(known) == key; }))
      libraries.push_back(std::move(folder));
  };
  add(steamFolder);
  if (libraries.empty())
    return libraries;

  const auto entries = ReadFile(files, libraries.front() + "steamapps\\libraryfolders.vdf");
  if (!entries)
    return libraries;
  const KeyValue* root = Root(*entries, "libraryfolders");
  if (root == nullptr)
    return libraries;
  for (const KeyValue& entry : root->children) {
    if (!IsNumber(entry.key))
      continue;  // "TimeNextStatsReport", "contentstatsid" and the like
    if (!entry.isBlock) {
      add(entry.value);
    } else if (const KeyValue* path = entry.Find("path"); path != nullptr && !path->isBlock) {
      add(path->value);
    }
  }
  return libraries;
}

std::optional<std::string> InstalledGameFolder(const platform::FileSystem& files,
                                               const std::string& steamFolder,
                                               std::string_view appId,
                                               std::string_view executable) {
  for (const std::string& library : LibraryFolders(files, steamFolder)) {
    const auto entries =
        ReadFile(files, library + "steamapps\\appmanifest_" + std::string(appId) + ".acf");
    if (!entries)
      continue;
    const KeyValue* root = Root(*entries, "AppState");
    const KeyValue* installDir = root != nullptr ? root->Find("installdir") : nullptr;
    if (installDir == nullptr || installDir->isBlock || !IsFolderName(installDir->value))
      continue;
    const std::string game = library + "steamapps\\common\\" + installDir->value + "\\";
    if (files.FileExists(game + std::string(executable)))
      return game;
  }
  return std::nullopt;
}

}  // namespace tamsendor::steam

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace tamsendor::steam {

// The library folders Steam lists in `steamFolder`\steamapps\libraryfolders.vdf, each ending in
// "\": Steam's own folder first, then the others in the file's order, each once. Both layouts of
// the file are read: the older one ("1" "D:\\SteamLibrary") and the current one ("1" { "path"
// "D:\\SteamLibrary" ... }). A file that cannot be read, or is not KeyValues, lists none beyond
// Steam's own folder; a path that cannot be a folder is left out.
std::vector<std::string> LibraryFolders(const platform::FileSystem& files,
                                        const std::string& steamFolder);

// The folder Steam installed the game with `appId` into, ending in "\": the first library whose
// steamapps\appmanifest_<appId>.acf names an "installdir" in whose folder below
// steamapps\common\ `executable` exists. nullopt when no library has it.
std::optional<std::string> InstalledGameFolder(const platform::FileSystem& files,
                                               const std::string& steamFolder,
                                               std::string_view appId, std::string_view executable);

}  // namespace tamsendor::steam

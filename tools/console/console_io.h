#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tamsendor::console {

// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> Arguments(int argc, wchar_t** argv);

// The bytes of the file named as the user typed it (relative to the current folder); nullopt and
// the system's reason when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason);

// The names of the files directly in `folder` whose names end in `ending` (".json"), in no
// particular order; nullopt and the system's reason when the folder cannot be read.
std::optional<std::vector<std::string>> FilesEndingIn(const std::string& folder,
                                                      const std::string& ending,
                                                      std::string& reason);

// UTF-8 text to standard output or standard error: a console is given the characters
// themselves, whatever its code page; a file or pipe gets the UTF-8 bytes.
void WriteOut(const std::string& utf8);
void WriteErr(const std::string& utf8);

}  // namespace tamsendor::console

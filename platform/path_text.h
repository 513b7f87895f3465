#pragma once

#include <string>
#include <string_view>

namespace tamsendor::platform {

// Windows compares file, process and registry names without regard to case. Only ASCII letters
// are folded here; that covers every name this program compares (program files, keys, folders
// it makes), and leaves other UTF-8 bytes as they are.
std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// A path in one canonical form for comparing: "\" separators, no doubled separators, no
// trailing separator (except after a drive root "C:\"), case folded.
std::string PathKey(std::string_view path);

// A path that names its drive or network share: "C:\..." (either separator) or "\\server\...".
// A bare name, "folder\name", "\name" (the current drive) and "C:name" (the current folder of
// drive C) all depend on the current folder.
bool IsFullPath(std::string_view path);

// The path with every separator a backslash, as Windows shows paths.
std::string WithBackslashes(std::string_view path);

// The last part of a path ("hl2.exe" from "C:/games/ep2/hl2.exe"), after either separator.
std::string_view FileNamePart(std::string_view path);

// The folder part of a path without the trailing separator ("C:\games" from "C:\games\a.txt");
// empty when the path has no folder part. A drive root keeps its separator ("C:\").
std::string ParentFolder(std::string_view path);

}  // namespace tamsendor::platform

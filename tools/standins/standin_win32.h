#pragma once

#include <optional>
#include <string>
#include <string_view>

// The few Windows operations both stand-ins need. Kept apart from the program's platform layer:
// the stand-ins play the outside world and must not share code with what they test.
namespace tamsendor::standin {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// The folder of the running executable, ending in a backslash.
std::wstring OwnFolder();

// The folder part of a path, ending in its separator ("C:\a\b.exe" -> "C:\a\").
std::wstring FolderOf(const std::wstring& path);

bool IsFile(const std::wstring& path);

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// Appends bytes with one write, creating the file when needed; a new file gets headerWhenNew
// first, in the same write. Other processes may append to the same file at the same moment; a
// short retry covers a sharing conflict.
bool AppendToFile(const std::wstring& path, std::string_view bytes,
                  std::string_view headerWhenNew = {});

// Creates or replaces the file with bytes.
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Appends text and CR LF to a log file.
void AppendLogLine(const std::wstring& path, std::string_view line);

}  // namespace tamsendor::standin

#pragma once

#include <optional>
#include <string>

namespace tamsendor::platform {

// Outcome of a file operation that the user may have to be told about: on failure, the
// system's own reason ("Access is denied.").
struct FileResult {
  bool ok = true;
  std::string reason;

  static FileResult Success() { return {}; }
  static FileResult Failure(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// Files with Windows semantics: both separators, names compared without regard to case, drive
// roots like "D:\". Paths are UTF-8.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool DirectoryExists(const std::string& path) const = 0;

  // Creates the folder and any missing parents; succeeds when the folder exists afterwards.
  virtual FileResult MakeDirectories(const std::string& path) = 0;
  virtual FileResult RemoveFile(const std::string& path) = 0;

  // The whole file as bytes; nullopt when it cannot be read.
  virtual std::optional<std::string> ReadBytes(const std::string& path) const = 0;

  // Replaces the file's content through a temporary file and an atomic rename, so a crash
  // leaves either the old or the new content, never a half-written file. Missing folders are
  // created.
  virtual FileResult WriteBytes(const std::string& path, const std::string& bytes) = 0;

  // Copy and move replace an existing destination without asking and create missing folders of
  // the destination. A move leaves no source behind. Neither loses the destination's old
  // content if it fails halfway.
  virtual FileResult CopyReplacing(const std::string& from, const std::string& to) = 0;
  virtual FileResult MoveReplacing(const std::string& from, const std::string& to) = 0;
};

}  // namespace tamsendor::platform

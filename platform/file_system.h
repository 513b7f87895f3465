#pragma once

#include <optional>
#include <string>
#include <vector>

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
//
// Every operation takes full paths only ("C:\..." or "\\server\share\..."). A path formed from a
// folder that is not known (an empty folder text and a file name) would name a file in whatever
// folder is current, which may be the program's own or another program's: such a path exists for
// no caller, cannot be read, and every change to it fails.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // What an operation on a path that is not a full one answers.
  static constexpr char kNotFullPath[] = "The path is incomplete: its folder is not known.";
  // Replacing writes and copies go through a temporary file beside the destination, named after
  // it with this ending, so a program stopped halfway leaves a file that is recognisably ours.
  static constexpr char kTemporaryEnding[] = ".tamsendor-tmp";
  static std::string TemporaryPathFor(const std::string& destination) {
    return destination + kTemporaryEnding;
  }

  bool FileExists(const std::string& path) const;
  bool DirectoryExists(const std::string& path) const;

  // Creates the folder and any missing parents; succeeds when the folder exists afterwards.
  FileResult MakeDirectories(const std::string& path);
  FileResult RemoveFile(const std::string& path);

  // The whole file as bytes; nullopt when it cannot be read.
  std::optional<std::string> ReadBytes(const std::string& path) const;

  // Replaces the file's content through a temporary file and an atomic rename, so a crash
  // leaves either the old or the new content, never a half-written file. Missing folders are
  // created.
  FileResult WriteBytes(const std::string& path, const std::string& bytes);

  // Copy and move replace an existing destination without asking and create missing folders of
  // the destination. A move leaves no source behind. Neither loses the destination's old
  // content if it fails halfway.
  FileResult CopyReplacing(const std::string& from, const std::string& to);
  FileResult MoveReplacing(const std::string& from, const std::string& to);

  // Removes the temporary files that writes into `folder` left when the program was stopped
  // halfway. Nothing else in the folder is touched.
  void RemoveLeftoverTemporaries(const std::string& folder);
  // Removes every file directly in `folder`, a folder of the program's own; subfolders stay.
  void RemoveFilesIn(const std::string& folder);

 protected:
  // The operations themselves, called with full paths only.
  virtual bool FileExistsAt(const std::string& path) const = 0;
  virtual bool DirectoryExistsAt(const std::string& path) const = 0;
  virtual FileResult MakeDirectoriesAt(const std::string& path) = 0;
  virtual FileResult RemoveFileAt(const std::string& path) = 0;
  virtual std::optional<std::string> ReadBytesAt(const std::string& path) const = 0;
  virtual FileResult WriteBytesAt(const std::string& path, const std::string& bytes) = 0;
  virtual FileResult CopyReplacingAt(const std::string& from, const std::string& to) = 0;
  virtual FileResult MoveReplacingAt(const std::string& from, const std::string& to) = 0;
  // The names of the files (not folders) directly in `folder`; empty when it cannot be read.
  virtual std::vector<std::string> FileNamesIn(const std::string& folder) const = 0;
};

}  // namespace tamsendor::platform

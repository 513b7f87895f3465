#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace tamsendor::fakes {

// Files and folders in memory with Windows semantics: both separators, names compared without
// regard to case. Folders and files marked read-only refuse changes with the system's reason.
class FakeFileSystem : public platform::FileSystem {
 public:
  // Test set-up: a file with its folders.
  void AddFile(const std::string& path, const std::string& bytes);
  void AddDirectory(const std::string& path);
  // A read-only file cannot be replaced, moved or removed; nothing can be created in a
  // read-only folder.
  void SetReadOnly(const std::string& path);
  void SetWritable(const std::string& path);
  // The user moved or deleted a folder: it goes with everything below it.
  void RemoveTree(const std::string& path);
  // Where a path without its drive or share would point, as Windows' current folder does; empty:
  // nowhere.
  std::string currentFolder;
  std::size_t FileCount() const { return files_.size(); }
  // Every file's content by its path in canonical form (see platform::PathKey).
  const std::map<std::string, std::string>& Files() const { return files_; }
  // Runs before every change a caller asks for (make, write, copy, move, remove), and a write or
  // copy is two changes as on the real system: the temporary file beside the destination, then
  // its rename over the destination. A test can count the steps or stop the program between any
  // two of them.
  std::function<void()> beforeChange;

 protected:
  bool FileExistsAt(const std::string& path) const override;
  bool DirectoryExistsAt(const std::string& path) const override;
  platform::FileResult MakeDirectoriesAt(const std::string& path) override;
  platform::FileResult RemoveFileAt(const std::string& path) override;
  std::optional<std::string> ReadBytesAt(const std::string& path) const override;
  platform::FileResult WriteBytesAt(const std::string& path, const std::string& bytes) override;
  platform::FileResult CopyReplacingAt(const std::string& from, const std::string& to) override;
  platform::FileResult MoveReplacingAt(const std::string& from, const std::string& to) override;
  std::vector<std::string> FileNamesIn(const std::string& folder) const override;

 private:
  void BeforeChange() const;
  std::string Key(const std::string& path) const;
  bool IsReadOnly(const std::string& key) const;
  platform::FileResult CanPlace(const std::string& path);
  platform::FileResult MakeDirectoriesNow(const std::string& path);
  platform::FileResult WriteBytesNow(const std::string& path, const std::string& bytes);
  platform::FileResult ReplaceThroughTemporary(const std::string& path, const std::string& bytes);

  std::map<std::string, std::string> files_;  // by path key
  std::set<std::string> directories_;         // by path key
  std::set<std::string> readOnly_;            // by path key
};

}  // namespace tamsendor::fakes

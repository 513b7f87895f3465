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
  std::size_t FileCount() const { return files_.size(); }
  // Every file's content by its path in canonical form (see platform::PathKey).
  const std::map<std::string, std::string>& Files() const { return files_; }
  // Runs before every change a caller asks for (make, write, copy, move, remove): a test can
  // count the steps or stop the program between any two of them.
  std::function<void()> beforeChange;

  bool FileExists(const std::string& path) const override;
  bool DirectoryExists(const std::string& path) const override;
  platform::FileResult MakeDirectories(const std::string& path) override;
  platform::FileResult RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) const override;
  platform::FileResult WriteBytes(const std::string& path, const std::string& bytes) override;
  platform::FileResult CopyReplacing(const std::string& from, const std::string& to) override;
  platform::FileResult MoveReplacing(const std::string& from, const std::string& to) override;

 private:
  bool IsReadOnly(const std::string& key) const;
  platform::FileResult CanPlace(const std::string& path);
  platform::FileResult MakeDirectoriesNow(const std::string& path);
  platform::FileResult WriteBytesNow(const std::string& path, const std::string& bytes);

  std::map<std::string, std::string> files_;  // by path key
  std::set<std::string> directories_;         // by path key
  std::set<std::string> readOnly_;            // by path key
};

}  // namespace tamsendor::fakes

#pragma once

#include "platform/file_system.h"

namespace tamsendor::win32 {

// Files through the wide Win32 API. Replacing writes and copies go through a temporary file in
// the destination's folder and an atomic rename (MoveFileExW), so the destination holds either
// its old or its new content at every moment. The shell's file operation is not used: under Wine
// it does not create a missing destination folder and a move into one lost the file.
class Win32FileSystem : public platform::FileSystem {
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
};

}  // namespace tamsendor::win32

#pragma once

#include "platform/file_system.h"

namespace tamsendor::win32 {

// Files through the wide Win32 API. Replacing writes and copies go through a temporary file in
// the destination's folder and an atomic rename (MoveFileExW), so the destination holds either
// its old or its new content at every moment. The shell's file operation is not used: under Wine
// it does not create a missing destination folder and a move into one lost the file.
class Win32FileSystem : public platform::FileSystem {
 public:
  bool FileExists(const std::string& path) const override;
  bool DirectoryExists(const std::string& path) const override;
  platform::FileResult MakeDirectories(const std::string& path) override;
  platform::FileResult RemoveFile(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) const override;
  platform::FileResult WriteBytes(const std::string& path, const std::string& bytes) override;
  platform::FileResult CopyReplacing(const std::string& from, const std::string& to) override;
  platform::FileResult MoveReplacing(const std::string& from, const std::string& to) override;
};

}  // namespace tamsendor::win32

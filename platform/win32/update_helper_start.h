#pragma once

#include <string>

namespace tamsendor::win32 {

// Hands a downloaded release to tamsendor_update.exe, which waits for this program to end, runs
// the setup program and starts the program again. The helper beside `programPath` is copied
// into `downloadFolder` first and runs from there, so that the setup program can replace the
// one in the program's folder.
class UpdateHelperStart {
 public:
  UpdateHelperStart(std::string programPath, std::string downloadFolder)
      : programPath_(std::move(programPath)), downloadFolder_(std::move(downloadFolder)) {}

  // Puts the helper in place; false when it cannot be (nothing is started then).
  bool Prepare();
  // Starts the helper for `setupPath`, without a window; false when it could not start.
  bool Start(const std::string& setupPath);

 private:
  std::string programPath_;
  std::string downloadFolder_;
};

}  // namespace tamsendor::win32

#pragma once

#include "platform/file_search.h"

namespace tamsendor::win32 {

// The search walks a whole Steam folder at start-up while the user waits, so it lists each
// folder once (files are checked as they come, subfolders are remembered and entered
// afterwards), keeps its own stack instead of recursing, and builds every path in one reused
// buffer. Folders that are reparse points (junctions, symbolic links, and the host's symbolic
// links as Wine shows them) are not entered; folders that cannot be read are passed over.
class Win32FileSearch : public platform::FileSearch {
 public:
  std::string FindLast(const std::string& folder, std::string_view fileName) const override;
};

}  // namespace tamsendor::win32

#pragma once

#include <string>
#include <string_view>

namespace tamsendor::platform {

// Looks for a file by name in a whole folder tree. Each folder's own files are looked at before
// its subfolders, subfolders are entered depth first in the order the file system lists them,
// and the last match wins. Names are compared without regard to case. Links and junctions are
// not followed: a link back up the tree would make the search endless.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  // The full path of the last match under `folder` (which ends with a separator): the folder's
  // text as given, then the rest with "\" separators. Empty text when the tree holds no such
  // file or the folder cannot be read; a subfolder that cannot be read is passed over.
  virtual std::string FindLast(const std::string& folder, std::string_view fileName) const = 0;
};

}  // namespace tamsendor::platform

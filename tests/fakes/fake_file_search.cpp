#include "tests/fakes/fake_file_search.h"

#include "platform/path_text.h"

namespace tamsendor::fakes {

std::string FakeFileSearch::FindLast(const std::string& folder, std::string_view fileName) const {
  searches_.push_back(folder);
  const std::string root = platform::PathKey(folder) + "\\";
  std::string last;
  for (const std::string& path : files_) {
    const bool below = platform::PathKey(path).rfind(root, 0) == 0;
    if (below && platform::EqualsIgnoringCase(platform::FileNamePart(path), fileName))
      last = path;
  }
  return last;
}

}  // namespace tamsendor::fakes

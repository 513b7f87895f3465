#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_search.h"

namespace tamsendor::fakes {

// A folder tree given as its files in the order a depth-first walk meets them (each folder's own
// files before its subfolders). Names compare without regard to case, both separators count.
class FakeFileSearch : public platform::FileSearch {
 public:
  void AddFile(std::string path) { files_.push_back(std::move(path)); }
  // Every search asked for, as the folder searched.
  const std::vector<std::string>& Searches() const { return searches_; }

  std::string FindLast(const std::string& folder, std::string_view fileName) const override;

 private:
  std::vector<std::string> files_;
  mutable std::vector<std::string> searches_;
};

}  // namespace tamsendor::fakes

#pragma once

#include <string>
#include <string_view>

namespace tamsendor::bench {

// The choices of the Miscellaneous page that reach the command line. An index of -1 (no item
// chosen) leaves that fragment as the previous benchmark left it.
struct LaunchChoices {
  bool fastZ = false;
  int refreshIndex = -1;
  int heapIndex = -1;
  int dxLevelIndex = -1;
};

// The launch command line's parts that the choices give, kept from benchmark to benchmark.
struct LaunchFragments {
  std::string FastZFragment;
  std::string RefreshFragment;
  std::string HeapFragment;
  std::string DxLevelFragment;
};

// Rebuilds the four fragments from the choices.
void BuildLaunchFragments(const LaunchChoices& choices, LaunchFragments& fragments);

// The game's launch command line: the Steam folder, the client's options with the size, the
// four fragments separated by single blanks (an empty fragment leaves two blanks), then
// "+timedemoquit" and the demo name. Width and height are inserted as the caller has them: the
// caller passes pixel counts only (core::IsPixelCountText).
std::string BuildLaunchLine(std::string_view steamFolder, std::string_view width,
                            std::string_view height, const LaunchFragments& fragments,
                            std::string_view demoName);

}  // namespace tamsendor::bench

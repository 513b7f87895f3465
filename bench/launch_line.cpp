#include "bench/launch_line.h"

#include <array>

namespace tamsendor::bench {

namespace {

constexpr std::array<std::string_view, 4> kRefreshFragments{"-refresh 60", "-refresh 70",
                                                            "-refresh 75", "-refresh 85"};
constexpr std::array<std::string_view, 5> kHeapFragments{"-heapsize 64000", "-heapsize 128000",
                                                         "-heapsize 256000", "-heapsize 512000",
                                                         "-heapsize 1024000"};
constexpr std::array<std::string_view, 2> kDxLevelFragments{"-dxlevel 90", "-dxlevel 95"};

template <std::size_t N>
void TakeFragment(const std::array<std::string_view, N>& fragments, int index,
                  std::string& fragment) {
  if (index >= 0 && static_cast<std::size_t>(index) < N)
    fragment = fragments[index];
}

}  // namespace

void BuildLaunchFragments(const LaunchChoices& choices, LaunchFragments& fragments) {
  fragments.FastZFragment = choices.fastZ ? "+r_fastzreject 1" : "+r_fastzreject 0";
  TakeFragment(kRefreshFragments, choices.refreshIndex, fragments.RefreshFragment);
  TakeFragment(kHeapFragments, choices.heapIndex, fragments.HeapFragment);
  TakeFragment(kDxLevelFragments, choices.dxLevelIndex, fragments.DxLevelFragment);
}

std::string BuildLaunchLine(std::string_view steamFolder, std::string_view width,
                            std::string_view height, const LaunchFragments& fragments,
                            std::string_view demoName) {
  std::string line(steamFolder);
  line +=
      "steam.exe -silent -applaunch 420 -preload -novid -mat_preloadshaders -nocdaudio "
      "-nosound -width ";
  line += width;
  line += " -height ";
  line += height;
  line += " ";
  line += fragments.FastZFragment + " " + fragments.RefreshFragment + " " + fragments.HeapFragment +
          " " + fragments.DxLevelFragment;
  line += " +timedemoquit ";
  line += demoName;
  return line;
}

}  // namespace tamsendor::bench

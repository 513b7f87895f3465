// The display modes the driver lists, as the custom resolution picker offers them: each size
// once, in the driver's order; a text is offered only as one whole entry; a mode text splits
// into the texts on either side of its " x ".
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/display_mode_list.h"
#include "fuzz/fuzz_check.h"

using namespace tamsendor;

namespace {

class ListedModes : public platform::DisplayModes {
 public:
  std::vector<platform::DisplayMode> modes;
  std::vector<platform::DisplayMode> PrimaryModes() const override { return modes; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  ListedModes display;
  for (int n = input.ConsumeIntegralInRange(0, 64); n > 0; --n) {
    // Mostly the sizes drivers list, now and then anything at all.
    const bool plausible = input.ConsumeBool();
    display.modes.push_back(
        {plausible ? input.ConsumeIntegralInRange(0, 8192) : input.ConsumeIntegral<int>(),
         plausible ? input.ConsumeIntegralInRange(0, 8192) : input.ConsumeIntegral<int>()});
  }
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::vector<std::string> list = app::BuildDisplayModeList(display);
  std::vector<std::string> expected;
  for (const platform::DisplayMode& mode : display.modes) {
    const std::string entry = std::to_string(mode.width) + " x " + std::to_string(mode.height);
    if (std::find(expected.begin(), expected.end(), entry) == expected.end())
      expected.push_back(entry);
  }
  FUZZ_CHECK(list == expected, "each size once, in the driver's order");

  const app::OfferedModes offered(list);
  FUZZ_CHECK(offered.Offers(text) == (std::find(list.begin(), list.end(), text) != list.end()),
             "offered only as one whole entry");
  for (const std::string& entry : list) {
    FUZZ_CHECK(offered.Offers(entry), "every entry is offered");
    const auto split = app::SplitModeText(entry);
    FUZZ_CHECK(split && split->width + " x " + split->height == entry, "an entry splits");
  }
  if (const auto split = app::SplitModeText(text)) {
    FUZZ_CHECK(split->width + " x " + split->height == text, "the texts on either side");
    FUZZ_CHECK(split->width.find(" x ") == std::string::npos, "at the first separator");
  }
  return 0;
}

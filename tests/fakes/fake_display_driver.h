#pragma once

#include <map>
#include <utility>

#include "platform/display_driver.h"

namespace tamsendor::fakes {

// A display driver as a test sets it up: which ATI queries it answers (by their second input
// word) and with what output words, its clock readings by index, and the display devices.
class FakeDisplayDriver : public platform::DisplayDriver {
 public:
  // Output words by byte offset, per answered ATI query.
  std::map<std::uint32_t, std::map<std::size_t, std::uint32_t>> atiAnswers;
  // Readings in Hz by (index, part); each query takes the next of its list, the last repeating.
  std::map<std::pair<std::uint32_t, platform::ClockPart>, std::vector<std::uint32_t>> clocks;
  std::vector<platform::DisplayDeviceRecord> devices;
  std::vector<std::array<std::uint32_t, 4>> atiInputs;
  int clockQueries = 0;

  std::optional<std::vector<std::uint8_t>> AtiEscape(const std::array<std::uint32_t, 4>& input,
                                                     std::size_t outputSize) override {
    atiInputs.push_back(input);
    const auto answer = atiAnswers.find(input[1]);
    if (answer == atiAnswers.end())
      return std::nullopt;
    std::vector<std::uint8_t> output(outputSize);
    for (const auto& [offset, word] : answer->second)
      for (std::size_t i = 0; i < 4; ++i)
        output.at(offset + i) = static_cast<std::uint8_t>(word >> (8 * i));
    return output;
  }

  std::uint32_t QueryDriverClock(std::uint32_t index, platform::ClockPart part) override {
    ++clockQueries;
    auto found = clocks.find({index, part});
    if (found == clocks.end() || found->second.empty())
      return 0;
    const std::uint32_t reading = found->second.front();
    if (found->second.size() > 1)
      found->second.erase(found->second.begin());
    return reading;
  }

  std::vector<platform::DisplayDeviceRecord> DisplayDevices() override { return devices; }
};

}  // namespace tamsendor::fakes

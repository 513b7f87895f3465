#include "app/display_mode_list.h"

#include <algorithm>
#include <string_view>

namespace tamsendor::app {

std::vector<std::string> BuildDisplayModeList(const platform::DisplayModes& display) {
  std::vector<std::string> list;
  for (const platform::DisplayMode& mode : display.PrimaryModes()) {
    std::string text = std::to_string(mode.width) + " x " + std::to_string(mode.height);
    if (std::find(list.begin(), list.end(), text) == list.end())
      list.push_back(std::move(text));
  }
  return list;
}

std::optional<ModeSize> SplitModeText(const std::string& modeText) {
  constexpr std::string_view kSeparator = " x ";
  const auto at = modeText.find(kSeparator);
  if (at == std::string::npos)
    return std::nullopt;
  return ModeSize{modeText.substr(0, at), modeText.substr(at + kSeparator.size())};
}

bool OfferedModes::Offers(const std::string& modeText) const {
  return std::find(modes_.begin(), modes_.end(), modeText) != modes_.end();
}

}  // namespace tamsendor::app

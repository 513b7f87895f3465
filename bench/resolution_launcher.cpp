#include "bench/resolution_launcher.h"

#include <string>

namespace tamsendor::bench {

bool ResolutionLauncher::IsChosen(int member) const {
  if (member >= 0 && member < core::kResolutionRows) {
    return static_cast<std::size_t>(member) < c_.res.ItemCount() &&
           c_.res.ItemChecked(static_cast<std::size_t>(member));
  }
  if (member == kCustomMember) {
    // A size that is not two pixel counts is no size at all: it is never put into the line.
    return c_.cusresbox.Checked() && core::IsPixelCountText(c_.CusWidth.Text()) &&
           core::IsPixelCountText(c_.CusHeight.Text());
  }
  return false;
}

int ResolutionLauncher::ChosenCount() const {
  int count = 0;
  for (int member = 0; member <= kCustomMember; ++member)
    count += IsChosen(member) ? 1 : 0;
  return count;
}

int ResolutionLauncher::MemberOfTag(std::string_view tag) {
  if (tag == core::CustomResolution::Tag)
    return kCustomMember;
  return core::RowOfTag(tag).value_or(-1);
}

void ResolutionLauncher::TakeLaunchChoices(const LaunchChoices& choices, std::string demoName) {
  BuildLaunchFragments(choices, fragments_);
  demoName_ = std::move(demoName);
}

std::string_view ResolutionLauncher::LaunchResolution(int member) {
  // A row that is not ticked hands over along the table; the custom member ends the chain.
  while (member < kCustomMember && !IsChosen(member))
    ++member;
  if (member < kCustomMember) {
    const core::ResolutionEntry& row = core::kResolutionTable[static_cast<std::size_t>(member)];
    Launch(row.Tag, std::to_string(row.Width), std::to_string(row.Height), row.ProgressCaption,
           row.ErrorText);
    return row.Tag;
  }
  if (member != kCustomMember || !IsChosen(kCustomMember))
    return {};
  const std::string& width = c_.CusWidth.Text();
  const std::string& height = c_.CusHeight.Text();
  Launch(core::CustomResolution::Tag, width, height,
         "Resolution: " + width + " \xC3\x97 " + height + " (Custom)...",
         core::CustomResolution::ErrorText);
  return core::CustomResolution::Tag;
}

void ResolutionLauncher::Launch(std::string_view tag, std::string_view width,
                                std::string_view height, std::string_view progressCaption,
                                std::string_view errorText) {
  c_.Label21.SetCaption(std::string(progressCaption));
  c_.MainWindow.Repaint();  // the caption shows before the game takes the screen
  LaunchLine_ = BuildLaunchLine(folders_.SteamFolder, width, height, fragments_, demoName_);
  cp_.CurrentDirectory = folders_.SteamFolder;
  cp_.CommandLine = LaunchLine_;
  cp_.Program = folders_.SteamFolder + "steam.exe";
  try {
    cp_.Run();
  } catch (const platform::OsError&) {
    c_.StatusInfo.SetCaption(std::string(errorText));
    c_.BenchButton.SetEnabled(true);
    c_.Panel2.SetVisible(false);
    if (OnLaunchFailed)
      OnLaunchFailed(tag);
  }
}

}  // namespace tamsendor::bench

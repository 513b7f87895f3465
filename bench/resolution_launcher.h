#pragma once

#include <functional>
#include <string_view>

#include "core/folders.h"
#include "bench/launch_line.h"
#include "core/process_runner.h"
#include "core/resolution_table.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace tamsendor::bench {

// The controls a launch reads and writes.
struct LaunchControls {
  ui::Form& MainWindow;
  ui::CheckGroup& res;
  ui::CheckBox& cusresbox;
  ui::Edit& CusWidth;
  ui::Edit& CusHeight;
  ui::Label& Label21;
  ui::Label& StatusInfo;
  ui::Control& BenchButton;
  ui::Panel& Panel2;
};

// `LaunchResolution`: one member per table row plus the custom member, driven by the table. A
// member whose row is not ticked hands over to the next row's; the member after row 8 is the
// custom one. A started launch reports its end to `cp`'s OnTerminate.
class ResolutionLauncher {
 public:
  static constexpr int kCustomMember = core::kResolutionRows;  // the member after row 8

  ResolutionLauncher(const LaunchControls& controls, const core::Folders& folders,
                     core::TJvCreateProcess& cp)
      : c_(controls), folders_(folders), cp_(cp) {}

  // What every launch of this benchmark passes the game: the engine options and the demo.
  void TakeLaunchChoices(const LaunchChoices& choices, std::string demoName);
  // The member for `member` (0-8 for the rows, kCustomMember for the custom size). Returns the
  // tag of the resolution launched (also when the launch could not start), or empty text when
  // no member launched.
  std::string_view LaunchResolution(int member);

  // Whether a member would launch rather than hand over or do nothing.
  bool IsChosen(int member) const;
  int ChosenCount() const;
  // The member the same resolution runs again with, for a tag of the table; -1 for an unknown
  // tag.
  static int MemberOfTag(std::string_view tag);

  // The last launch command line built.
  const std::string& LaunchLine() const { return LaunchLine_; }

  // A launch that could not start ends the benchmark as a stopped one: the status keeps the
  // error, and whoever changed the game for the benchmark puts it back here.
  std::function<void(std::string_view tag)> OnLaunchFailed;

 private:
  void Launch(std::string_view tag, std::string_view width, std::string_view height,
              std::string_view progressCaption, std::string_view errorText);

  LaunchControls c_;
  LaunchFragments fragments_;
  std::string demoName_;  // the name given after "+timedemoquit"
  std::string LaunchLine_;
  const core::Folders& folders_;
  core::TJvCreateProcess& cp_;
};

}  // namespace tamsendor::bench

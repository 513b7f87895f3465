#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/file_downloader.h"
#include "platform/file_system.h"
#include "platform/page_fetcher.h"
#include "platform/ui_thread.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "update/update_info.h"

namespace tamsendor::update {

// The largest release file taken.
inline constexpr std::uint64_t kReleaseFileLimit = 256ull * 1024 * 1024;

// The download window's controls.
struct WizardControls {
  ui::Form& Window;
  ui::Label& FileLabel;      // the file being downloaded
  ui::Label& FilesLabel;     // which of all files
  ui::Label& RateLabel;      // transfer rate
  ui::Label& TimeLeftLabel;  // estimated time for the file
  ui::Button& CancelButton;
};

struct UpdaterServices {
  platform::PageFetcher& info;
  platform::FileDownloader& downloads;
  platform::Dialogs& dialogs;
  platform::FileSystem& files;
  platform::Timers& clock;
};

// The check for a newer release, on request only. It fetches the information file in the
// background, compares versions, asks the user with the release's message, downloads every file
// of the release into a folder of its own with a window that shows the progress and can cancel,
// checks each file's SHA-256 against the listing, and hands the first file (our setup program)
// to `install`, which ends the program for the update and restarts it. Every end shows exactly
// one message, and the check can be repeated at once; a second click while one runs does
// nothing. Files downloaded are removed whenever nothing is installed.
class Updater {
 public:
  // `install` gets the verified setup program's path; false when it could not go ahead (then
  // nothing was installed).
  using Install = std::function<bool(const std::string& setupPath)>;

  Updater(const UpdaterServices& services, const WizardControls& wizard, std::string infoAddress,
          std::string downloadFolder, Install install);
  ~Updater();
  Updater(const Updater&) = delete;
  Updater& operator=(const Updater&) = delete;

  // The program's version number, from its version resource.
  void SetVersionNumber(std::string version) { VersionNumber_ = std::move(version); }
  const std::string& VersionNumber() const { return VersionNumber_; }

  // "Check for newer version".
  void RzShapeButton1Click();
  bool Busy() const { return busy_; }

  // Removes what an earlier update left in the download folder.
  void RemoveDownloads();

 private:
  void InfoArrived(std::optional<platform::FetchedPage> page);
  void DownloadNext();
  void Progress(const platform::DownloadProgress& progress);
  void Downloaded(platform::DownloadEnd end);
  void CancelDownload();
  // Ends the check with one message.
  void End(const std::string& message);
  std::string PathOf(std::size_t file) const;

  UpdaterServices s_;
  WizardControls w_;
  std::string infoAddress_;
  std::string downloadFolder_;
  Install install_;
  std::string VersionNumber_;
  bool busy_ = false;
  std::vector<ReleaseFile> files_;
  std::size_t current_ = 0;
  std::uint64_t startedMs_ = 0;
};

}  // namespace tamsendor::update

#include "update/updater.h"

#include "update/sha256.h"
#include "update/version_number.h"

namespace tamsendor::update {

namespace {

constexpr char kNoUpdate[] = "No update available.";
constexpr char kNoConnection[] = "No internet connection.";
constexpr char kAborted[] = "Update aborted.";

std::string Kilobytes(std::uint64_t bytes) {
  return std::to_string((bytes + 512) / 1024) + " KB";
}

std::string Seconds(std::uint64_t seconds) {
  if (seconds < 60)
    return std::to_string(seconds) + " s";
  return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
}

}  // namespace

Updater::Updater(const UpdaterServices& services, const WizardControls& wizard,
                 std::string infoAddress, std::string downloadFolder, Install install)
    : s_(services),
      w_(wizard),
      infoAddress_(std::move(infoAddress)),
      downloadFolder_(std::move(downloadFolder)),
      install_(std::move(install)) {
  w_.CancelButton.OnClick = [this] { CancelDownload(); };
  // Closing the window is cancelling too.
  w_.Window.OnClose = [this] {
    if (busy_ && !files_.empty())
      CancelDownload();
  };
}

Updater::~Updater() {
  s_.info.Cancel();
  s_.downloads.Cancel();
}

void Updater::RzShapeButton1Click() {
  if (busy_)
    return;
  busy_ = true;
  files_.clear();
  s_.info.Fetch(infoAddress_, kInfoFileLimit, [this](std::optional<platform::FetchedPage> page) {
    InfoArrived(std::move(page));
  });
}

void Updater::InfoArrived(std::optional<platform::FetchedPage> page) {
  if (!page) {
    End(kNoConnection);
    return;
  }
  const UpdateInfo info = ReadUpdateInfo(page->body);
  // A listing with a file that may not be fetched (plain http, no hash) offers nothing: a
  // release is installed whole or not at all.
  const bool newer = CompareVersions(info.version, VersionNumber_) > 0 && !info.files.empty() &&
                     info.rejected == 0;
  if (!newer) {
    End(kNoUpdate);
    return;
  }
  // A release that says nothing of itself is still named.
  const std::string question =
      info.message.empty() ? "Version " + info.version + " is available." : info.message;
  if (!s_.dialogs.Choose(question, "Yes!", "Later")) {
    End(kAborted);
    return;
  }
  if (const platform::FileResult made = s_.files.MakeDirectories(downloadFolder_); !made) {
    End("The update could not be downloaded to " + downloadFolder_ + "\n\n" + made.reason);
    return;
  }
  files_ = info.files;
  current_ = 0;
  w_.Window.Show();
  DownloadNext();
}

std::string Updater::PathOf(std::size_t file) const {
  // Numbered, so that two files of the same name cannot overwrite each other.
  return downloadFolder_ + std::to_string(file + 1) + "-" + FileNameOf(files_[file].address);
}

void Updater::DownloadNext() {
  const ReleaseFile& file = files_[current_];
  w_.FileLabel.SetCaption("File: " + FileNameOf(file.address));
  w_.FilesLabel.SetCaption("All files: " + std::to_string(current_ + 1) + " of " +
                           std::to_string(files_.size()));
  w_.RateLabel.SetCaption("Transfer rate: -");
  w_.TimeLeftLabel.SetCaption("Time left: -");
  startedMs_ = s_.clock.NowMs();
  s_.downloads.Download(
      file.address, PathOf(current_), kReleaseFileLimit,
      [this](const platform::DownloadProgress& progress) { Progress(progress); },
      [this](platform::DownloadEnd end) { Downloaded(end); });
}

void Updater::Progress(const platform::DownloadProgress& progress) {
  const std::uint64_t elapsed = s_.clock.NowMs() - startedMs_;
  if (elapsed == 0)
    return;
  const std::uint64_t perSecond = progress.received * 1000 / elapsed;
  w_.RateLabel.SetCaption("Transfer rate: " + Kilobytes(perSecond) + "/s");
  if (progress.total >= progress.received && perSecond > 0 && progress.total > 0)
    w_.TimeLeftLabel.SetCaption("Time left: " +
                                Seconds((progress.total - progress.received) / perSecond));
  else
    w_.TimeLeftLabel.SetCaption("Time left: unknown");
}

void Updater::Downloaded(platform::DownloadEnd end) {
  const std::string name = FileNameOf(files_[current_].address);
  if (end == platform::DownloadEnd::Missing) {
    End("The file " + name + " of the update is missing on the server. Nothing was installed.");
    return;
  }
  if (end == platform::DownloadEnd::Lost) {
    End("The connection to the update server was lost while downloading " + name +
        ". Nothing was installed.");
    return;
  }
  const std::optional<std::string> bytes = s_.files.ReadBytes(PathOf(current_));
  if (!bytes || Sha256Hex(*bytes) != files_[current_].sha256) {
    End("The downloaded file " + name +
        " is not the one the update server lists. It was discarded and nothing was installed.");
    return;
  }
  if (++current_ < files_.size()) {
    DownloadNext();
    return;
  }
  w_.Window.SetVisible(false);
  const std::string setup = PathOf(0);
  busy_ = false;
  files_.clear();
  if (!install_ || !install_(setup)) {
    RemoveDownloads();
    s_.dialogs.ShowMessage(kAborted);
  }
}

void Updater::CancelDownload() {
  if (!busy_ || files_.empty())
    return;
  s_.downloads.Cancel();
  End(kAborted);
}

void Updater::End(const std::string& message) {
  busy_ = false;
  files_.clear();
  w_.Window.SetVisible(false);
  RemoveDownloads();
  s_.dialogs.ShowMessage(message);
}

void Updater::RemoveDownloads() {
  s_.files.RemoveFilesIn(downloadFolder_);
}

}  // namespace tamsendor::update

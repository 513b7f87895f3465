#include "platform/win32/win32_file_downloader.h"

#include <atomic>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/win32/handles.h"
#include "platform/win32/http_get.h"
#include "platform/win32/http_worker.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {
// Progress goes to the user-interface thread at most this often.
constexpr ULONGLONG kProgressEveryMs = 100;
}  // namespace

struct Win32FileDownloader::Job : HttpRequestSlot {
  std::wstring address;
  std::wstring path;
  std::wstring partial;  // the file being written, renamed to `path` when complete
  std::uint64_t maxBytes = 0;
  OnProgress progress;
  Done done;
  platform::Dispatcher* ui = nullptr;

  bool Cancelled() {
    std::lock_guard lock(mutex);
    return cancelled;
  }
};

namespace {

using Job = Win32FileDownloader::Job;

// Hands the progress to the user-interface thread, unless the download was cancelled by then.
void Report(const std::shared_ptr<Job>& job, const platform::DownloadProgress& now) {
  if (job->Cancelled())
    return;
  job->ui->Post([job, now] {
    platform::FileDownloader::OnProgress report;
    {
      std::lock_guard lock(job->mutex);
      if (job->cancelled)
        return;
      report = job->progress;
    }
    if (report)
      report(now);
  });
}

platform::DownloadEnd Fetch(const std::shared_ptr<Job>& shared) {
  Job& job = *shared;
  HttpGet get;
  if (!get.Send(job.address, job, true))
    return platform::DownloadEnd::Lost;
  if (get.Status() != HTTP_STATUS_OK)
    return platform::DownloadEnd::Missing;
  const std::uint64_t total = get.ContentLength();
  if (total > job.maxBytes)
    return platform::DownloadEnd::Lost;

  Handle file(CreateFileW(job.partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid())
    return platform::DownloadEnd::Lost;
  std::vector<char> buffer(64 * 1024);
  std::uint64_t received = 0;
  ULONGLONG reported = GetTickCount64();
  for (;;) {
    const std::optional<DWORD> read = get.Read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (!read || job.Cancelled())
      return platform::DownloadEnd::Lost;
    if (*read == 0)
      break;
    received += *read;
    DWORD written = 0;
    if (received > job.maxBytes ||
        !WriteFile(file.get(), buffer.data(), *read, &written, nullptr) || written != *read)
      return platform::DownloadEnd::Lost;
    if (GetTickCount64() - reported >= kProgressEveryMs) {
      reported = GetTickCount64();
      Report(shared, {received, total});
    }
  }
  // A body shorter than announced broke off.
  if (total != 0 && received != total)
    return platform::DownloadEnd::Lost;
  Report(shared, {received, total});
  file.reset();
  if (!MoveFileExW(job.partial.c_str(), job.path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return platform::DownloadEnd::Lost;
  return platform::DownloadEnd::Complete;
}

void DownloadThread(const std::shared_ptr<Job>& job) {
  const platform::DownloadEnd end = Fetch(job);
  job->CloseRequest();
  // Whatever did not complete leaves nothing behind; a download cancelled after it completed
  // removes its file too.
  DeleteFileW(job->partial.c_str());
  if (job->Cancelled() && end == platform::DownloadEnd::Complete)
    DeleteFileW(job->path.c_str());
  PostDone(job, end);
}

}  // namespace

void Win32FileDownloader::Download(const std::string& address, const std::string& path,
                                   std::uint64_t maxBytes, OnProgress progress, Done done) {
  Cancel();
  auto job = std::make_shared<Job>();
  job->address = Widen(address);
  job->path = Widen(path);
  // A name of its own: a cancelled download still letting go of its file never meets the next.
  static std::atomic<unsigned> downloads{0};
  job->partial = Widen(platform::FileSystem::TemporaryPathFor(
      path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++downloads)));
  job->maxBytes = maxBytes;
  job->progress = std::move(progress);
  job->done = std::move(done);
  job->ui = &ui_;
  if (!StartWorker(job, DownloadThread))
    PostDone(job, platform::DownloadEnd::Lost);
  job_ = std::move(job);
}

void Win32FileDownloader::Cancel() {
  if (!job_)
    return;
  {
    std::lock_guard lock(job_->mutex);
    job_->done = nullptr;
    job_->progress = nullptr;
  }
  job_->Cancel();
  job_.reset();
}

}  // namespace tamsendor::win32

#include "platform/win32/win32_page_fetcher.h"

#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/http_get.h"
#include "platform/win32/http_worker.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

struct Win32PageFetcher::Job : HttpRequestSlot {
  std::wstring address;
  std::size_t maxBytes = 0;
  Done done;
  platform::Dispatcher* ui = nullptr;
  bool direct = false;
};

namespace {

std::optional<platform::FetchedPage> Download(Win32PageFetcher::Job& job) {
  HttpGet get;
  if (!get.Send(job.address, job, job.direct) || get.Status() != HTTP_STATUS_OK)
    return std::nullopt;
  platform::FetchedPage page;
  page.contentType = get.ContentType();
  std::vector<char> buffer(16 * 1024);
  while (page.body.size() < job.maxBytes) {
    const std::optional<DWORD> read = get.Read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (!read)
      return std::nullopt;
    if (*read == 0)
      break;
    page.body.append(buffer.data(), *read);
  }
  if (page.body.size() > job.maxBytes)
    page.body.resize(job.maxBytes);
  return page;
}

void FetchThread(const std::shared_ptr<Win32PageFetcher::Job>& job) {
  std::optional<platform::FetchedPage> page = Download(*job);
  job->CloseRequest();
  PostDone(job, std::move(page));
}

}  // namespace

void Win32PageFetcher::Fetch(const std::string& address, std::size_t maxBytes, Done done) {
  Cancel();
  auto job = std::make_shared<Job>();
  job->address = Widen(address);
  job->maxBytes = maxBytes;
  job->done = std::move(done);
  job->ui = &ui_;
  job->direct = direct_;
  // No thread, no page: the caller hears of it as of any failed fetch, later, as always.
  if (!StartWorker(job, FetchThread))
    PostDone(job, std::optional<platform::FetchedPage>());
  job_ = std::move(job);
}

void Win32PageFetcher::Cancel() {
  if (!job_)
    return;
  {
    std::lock_guard lock(job_->mutex);
    job_->done = nullptr;
  }
  job_->Cancel();
  job_.reset();
}

}  // namespace tamsendor::win32

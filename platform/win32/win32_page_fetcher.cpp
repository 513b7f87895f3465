#include "platform/win32/win32_page_fetcher.h"

#include <windows.h>
#include <winhttp.h>

#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// Each step of a fetch (name lookup, connection, sending, every wait for data) gives up after
// this long.
constexpr int kStepTimeLimitMs = 15000;

}  // namespace

struct Win32PageFetcher::Job {
  std::wstring address;
  std::size_t maxBytes = 0;
  Done done;
  platform::Dispatcher* ui = nullptr;

  std::mutex mutex;
  bool cancelled = false;
  // The request under way, for a cancel to close: a blocked WinHTTP call then returns at once.
  HINTERNET request = nullptr;

  // Closes the request unless a cancel closed it already.
  void CloseRequest() {
    std::lock_guard lock(mutex);
    if (request != nullptr)
      WinHttpCloseHandle(request);
    request = nullptr;
  }
};

namespace {

// Closes a WinHTTP handle when it goes out of scope.
struct InternetHandle {
  HINTERNET handle = nullptr;
  ~InternetHandle() {
    if (handle != nullptr)
      WinHttpCloseHandle(handle);
  }
};

std::optional<platform::FetchedPage> Download(Win32PageFetcher::Job& job) {
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(job.address.c_str(), 0, 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
    return std::nullopt;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty())
    path = L"/";

  const InternetHandle session{WinHttpOpen(L"Korvalin Tamsendor", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                           WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)};
  if (session.handle == nullptr ||
      !WinHttpSetTimeouts(session.handle, kStepTimeLimitMs, kStepTimeLimitMs, kStepTimeLimitMs,
                          kStepTimeLimitMs))
    return std::nullopt;
  const InternetHandle connection{WinHttpConnect(session.handle, host.c_str(), parts.nPort, 0)};
  if (connection.handle == nullptr)
    return std::nullopt;
  const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  HINTERNET request = WinHttpOpenRequest(connection.handle, L"GET", path.c_str(), nullptr,
                                         WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure);
  if (request == nullptr)
    return std::nullopt;
  {
    std::lock_guard lock(job.mutex);
    if (job.cancelled) {
      WinHttpCloseHandle(request);
      return std::nullopt;
    }
    job.request = request;
  }

  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                          0) ||
      !WinHttpReceiveResponse(request, nullptr))
    return std::nullopt;
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
      status != HTTP_STATUS_OK)
    return std::nullopt;

  platform::FetchedPage page;
  wchar_t type[256] = {};
  size = sizeof(type);
  if (WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_TYPE, WINHTTP_HEADER_NAME_BY_INDEX, type,
                          &size, WINHTTP_NO_HEADER_INDEX))
    page.contentType = Narrow(type);

  std::vector<char> buffer(16 * 1024);
  while (page.body.size() < job.maxBytes) {
    DWORD read = 0;
    if (!WinHttpReadData(request, buffer.data(), static_cast<DWORD>(buffer.size()), &read))
      return std::nullopt;
    if (read == 0)
      break;
    page.body.append(buffer.data(), read);
  }
  if (page.body.size() > job.maxBytes)
    page.body.resize(job.maxBytes);
  return page;
}

DWORD WINAPI FetchThread(void* parameter) {
  // The thread's own share of the job: it outlives the fetcher when the program ends first.
  std::unique_ptr<std::shared_ptr<Win32PageFetcher::Job>> owned(
      static_cast<std::shared_ptr<Win32PageFetcher::Job>*>(parameter));
  std::shared_ptr<Win32PageFetcher::Job> job = *owned;
  std::optional<platform::FetchedPage> page = Download(*job);
  job->CloseRequest();

  std::lock_guard lock(job->mutex);
  if (job->cancelled)
    return 0;
  job->ui->Post([job, page = std::move(page)]() mutable {
    // A cancel between the post and now wins as well.
    platform::PageFetcher::Done done;
    {
      std::lock_guard inner(job->mutex);
      if (job->cancelled)
        return;
      done = std::move(job->done);
    }
    if (done)
      done(std::move(page));
  });
  return 0;
}

}  // namespace

void Win32PageFetcher::Fetch(const std::string& address, std::size_t maxBytes, Done done) {
  Cancel();
  auto job = std::make_shared<Job>();
  job->address = Widen(address);
  job->maxBytes = maxBytes;
  job->done = std::move(done);
  job->ui = &ui_;
  auto* share = new std::shared_ptr<Job>(job);
  HANDLE thread = CreateThread(nullptr, 0, FetchThread, share, 0, nullptr);
  if (thread == nullptr) {
    delete share;
    // No thread, no page: the caller hears of it as of any failed fetch, later, as always.
    ui_.Post([job] {
      if (!job->cancelled && job->done)
        job->done(std::nullopt);
    });
  } else {
    CloseHandle(thread);
  }
  job_ = std::move(job);
}

void Win32PageFetcher::Cancel() {
  if (!job_)
    return;
  {
    std::lock_guard lock(job_->mutex);
    job_->cancelled = true;
    job_->done = nullptr;
    if (job_->request != nullptr)
      WinHttpCloseHandle(job_->request);
    job_->request = nullptr;
  }
  job_.reset();
}

}  // namespace tamsendor::win32

#include "platform/win32/http_get.h"

#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {
constexpr int kStepTimeLimitMs = 15000;
}  // namespace

void HttpRequestSlot::Cancel() {
  std::lock_guard lock(mutex);
  cancelled = true;
  if (request != nullptr)
    WinHttpCloseHandle(request);
  request = nullptr;
}

void HttpRequestSlot::CloseRequest() {
  std::lock_guard lock(mutex);
  if (request != nullptr)
    WinHttpCloseHandle(request);
  request = nullptr;
}

HttpGet::~HttpGet() {
  if (connection_ != nullptr)
    WinHttpCloseHandle(connection_);
  if (session_ != nullptr)
    WinHttpCloseHandle(session_);
}

bool HttpGet::Send(const std::wstring& address, HttpRequestSlot& slot, bool direct) {
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(address.c_str(), 0, 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
    return false;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty())
    path = L"/";

  session_ = WinHttpOpen(L"Korvalin Tamsendor",
                         direct ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                         WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  if (session_ == nullptr || !WinHttpSetTimeouts(session_, kStepTimeLimitMs, kStepTimeLimitMs,
                                                 kStepTimeLimitMs, kStepTimeLimitMs))
    return false;
  connection_ = WinHttpConnect(session_, host.c_str(), parts.nPort, 0);
  if (connection_ == nullptr)
    return false;
  const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  HINTERNET request = WinHttpOpenRequest(connection_, L"GET", path.c_str(), nullptr,
                                         WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure);
  if (request == nullptr)
    return false;
  {
    std::lock_guard lock(slot.mutex);
    if (slot.cancelled) {
      WinHttpCloseHandle(request);
      return false;
    }
    slot.request = request;
  }
  request_ = request;
  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                          0) ||
      !WinHttpReceiveResponse(request, nullptr))
    return false;
  DWORD size = sizeof(status_);
  return WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status_, &size,
                             WINHTTP_NO_HEADER_INDEX);
}

std::string HttpGet::ContentType() const {
  wchar_t type[256] = {};
  DWORD size = sizeof(type);
  if (!WinHttpQueryHeaders(request_, WINHTTP_QUERY_CONTENT_TYPE, WINHTTP_HEADER_NAME_BY_INDEX, type,
                           &size, WINHTTP_NO_HEADER_INDEX))
    return "";
  return Narrow(type);
}

std::uint64_t HttpGet::ContentLength() const {
  wchar_t length[32] = {};
  DWORD size = sizeof(length);
  if (!WinHttpQueryHeaders(request_, WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX,
                           length, &size, WINHTTP_NO_HEADER_INDEX))
    return 0;
  std::uint64_t value = 0;
  for (const wchar_t* c = length; *c >= L'0' && *c <= L'9' && value < (1ull << 50); ++c)
    value = value * 10 + static_cast<std::uint64_t>(*c - L'0');
  return value;
}

std::optional<DWORD> HttpGet::Read(char* buffer, DWORD size) {
  DWORD read = 0;
  if (!WinHttpReadData(request_, buffer, size, &read))
    return std::nullopt;
  return read;
}

}  // namespace tamsendor::win32

#pragma once

#include <windows.h>
#include <winhttp.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace tamsendor::win32 {

// What a request on a worker thread shares with whoever may cancel it from another thread: a
// cancel closes the request handle, so that a blocked WinHTTP call returns at once.
struct HttpRequestSlot {
  std::mutex mutex;
  bool cancelled = false;
  HINTERNET request = nullptr;

  // Marks the slot cancelled and closes the request under way.
  void Cancel();
  // Closes the request unless a cancel closed it already.
  void CloseRequest();
};

// One GET over WinHTTP, blocking, for a worker thread. Each step (name lookup, connection,
// sending, every wait for data) gives up after 15 s.
class HttpGet {
 public:
  HttpGet() = default;
  ~HttpGet();
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  // Sends the request for `address` (http or https) and waits for the head of the answer; false
  // when none came or the slot was cancelled. `direct`: no proxy, else the system's.
  bool Send(const std::wstring& address, HttpRequestSlot& slot, bool direct);
  DWORD Status() const { return status_; }
  std::string ContentType() const;
  // The announced length of the body; 0 when none was announced.
  std::uint64_t ContentLength() const;
  // The next piece of the body: its size (0 at the end), or nullopt when the transfer failed.
  std::optional<DWORD> Read(char* buffer, DWORD size);

 private:
  HINTERNET session_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;  // owned by the slot, which closes it
  DWORD status_ = 0;
};

}  // namespace tamsendor::win32

#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tamsendor::platform {

// How far a download has come: bytes received, and the size the server announced (0 when it
// announced none).
struct DownloadProgress {
  std::uint64_t received = 0;
  std::uint64_t total = 0;
};

enum class DownloadEnd {
  Complete,  // the whole file is at the path
  Missing,   // the server has no such file (any answer but 200)
  Lost,      // no connection, or it broke off, or the file is larger than allowed
};

// Downloads a file in the background; the user-interface thread never waits for the network.
class FileDownloader {
 public:
  virtual ~FileDownloader() = default;
  using OnProgress = std::function<void(const DownloadProgress&)>;
  using Done = std::function<void(DownloadEnd end)>;
  // Starts fetching `address` into the file `path` (replacing it). `progress` runs now and then
  // and `done` once, both later on the user-interface thread. A download that does not complete
  // leaves no file at `path`. At most maxBytes are taken; a larger file is Lost.
  virtual void Download(const std::string& address, const std::string& path,
                        std::uint64_t maxBytes, OnProgress progress, Done done) = 0;
  // The running download ends without its callbacks, and without waiting for the network; its
  // file goes. Nothing happens when none runs.
  virtual void Cancel() = 0;
};

}  // namespace tamsendor::platform

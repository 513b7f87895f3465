#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace tamsendor::platform {

// A web page as the server sent it, cut at the fetch's size limit.
struct FetchedPage {
  std::string contentType;
  std::string body;
};

// Fetches a web page in the background; the user-interface thread never waits for the network.
class PageFetcher {
 public:
  virtual ~PageFetcher() = default;
  using Done = std::function<void(std::optional<FetchedPage> page)>;
  // Starts fetching `address` (http or https). `done` runs later on the user-interface thread,
  // with the page (status 200, at most maxBytes of its body) or nothing when the fetch failed.
  // A server that stops answering fails the fetch after a while of its own; a caller that cannot
  // wait that long cancels. A fetch started while another runs cancels that one.
  virtual void Fetch(const std::string& address, std::size_t maxBytes, Done done) = 0;
  // The running fetch ends without its `done`, and without waiting for the network. Nothing
  // happens when none runs.
  virtual void Cancel() = 0;
};

}  // namespace tamsendor::platform

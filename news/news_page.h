#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/document_opener.h"
#include "platform/online_check.h"
#include "platform/page_fetcher.h"
#include "platform/ui_thread.h"
#include "ui/rich_text_view.h"

namespace tamsendor::news {

// How long the news page may take to arrive; after that the view stays empty.
inline constexpr std::uint32_t kNewsTimeLimitMs = 20000;

// The maker's news page in a view: fetched in the background when the machine is online, read
// into formatted text, its links opened in the user's browser. Offline, or when the page does
// not come (a failure, the time limit, no HTML), the view stays empty.
class NewsPage {
 public:
  struct Services {
    platform::OnlineCheck& online;
    platform::PageFetcher& fetcher;
    platform::Timers& timers;
    platform::DocumentOpener& opener;
  };
  NewsPage(const Services& services, ui::RichTextView& view, std::string address);
  ~NewsPage();
  NewsPage(const NewsPage&) = delete;
  NewsPage& operator=(const NewsPage&) = delete;

  // Asks the system whether the machine is online. When it cannot tell, IsOnline keeps what it
  // was (false at first).
  void CheckOnline();
  bool IsOnline() const { return isOnline_; }
  // Starts loading the page into the view; it does not wait for it.
  void Navigate();
  bool Loading() const { return timeLimit_.has_value(); }

 private:
  void Loaded(std::optional<platform::FetchedPage> page);
  void StopTimeLimit();

  Services services_;
  ui::RichTextView& view_;
  std::string address_;
  bool isOnline_ = false;
  std::optional<platform::TimerId> timeLimit_;
};

}  // namespace tamsendor::news

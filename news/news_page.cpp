#include "news/news_page.h"

#include "news/html_to_rich_text.h"
#include "news/link_address.h"
#include "news/page_charset.h"

namespace tamsendor::news {

NewsPage::NewsPage(const Services& services, ui::RichTextView& view, std::string address)
    : services_(services), view_(view), address_(std::move(address)) {
  view_.OnLinkClick = [this](const std::string& link) {
    // Only what the page reader let through as a link, checked again where it leaves us.
    if (IsWebAddress(link))
      services_.opener.Open(link);
  };
}

NewsPage::~NewsPage() {
  if (Loading())
    services_.fetcher.Cancel();
  StopTimeLimit();
}

void NewsPage::CheckOnline() {
  if (const std::optional<bool> offline = services_.online.IsOffline())
    isOnline_ = !*offline;
}

void NewsPage::Navigate() {
  StopTimeLimit();
  timeLimit_ = services_.timers.After(kNewsTimeLimitMs, [this] {
    timeLimit_.reset();
    services_.fetcher.Cancel();
  });
  services_.fetcher.Fetch(address_, kPageLimit,
                          [this](std::optional<platform::FetchedPage> page) { Loaded(page); });
}

void NewsPage::Loaded(std::optional<platform::FetchedPage> page) {
  StopTimeLimit();
  if (!page || !IsHtmlType(page->contentType))
    return;
  view_.SetDocument(HtmlToRichText(PageToUtf8(page->body, page->contentType), address_));
}

void NewsPage::StopTimeLimit() {
  if (timeLimit_)
    services_.timers.Cancel(*timeLimit_);
  timeLimit_.reset();
}

}  // namespace tamsendor::news

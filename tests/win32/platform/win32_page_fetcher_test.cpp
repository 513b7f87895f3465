#include "platform/win32/win32_page_fetcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/local_server.h"
#include "tests/win32/message_pump.h"

namespace tamsendor::win32 {
namespace {

using testing::LocalServer;
using testing::Response;

class Win32PageFetcherTest : public ::testing::Test {
 protected:
  // Fetches and waits for the answer on this (the user-interface) thread.
  std::optional<std::optional<platform::FetchedPage>> FetchAndWait(const std::string& address,
                                                                   std::size_t maxBytes = 1000) {
    std::optional<std::optional<platform::FetchedPage>> answer;
    fetcher_.Fetch(address, maxBytes, [&](std::optional<platform::FetchedPage> page) {
      EXPECT_EQ(GetCurrentThreadId(), uiThreadId_);
      answer = std::move(page);
    });
    testing::PumpUntil([&] { return answer.has_value(); }, 20000);
    return answer;
  }

  DWORD uiThreadId_ = GetCurrentThreadId();
  Win32UiThread ui_;
  Win32PageFetcher fetcher_{ui_};
};

TEST_F(Win32PageFetcherTest, ThePageWithItsTypeComesOnTheUserInterfaceThread) {
  LocalServer server(Response("200 OK", "text/html; charset=utf-8", "<p>News</p>"));
  const auto answer = FetchAndWait(server.Address());
  ASSERT_TRUE(answer.has_value());
  ASSERT_TRUE(answer->has_value());
  EXPECT_EQ((*answer)->contentType, "text/html; charset=utf-8");
  EXPECT_EQ((*answer)->body, "<p>News</p>");
}

TEST_F(Win32PageFetcherTest, ABodyBeyondTheLimitIsCut) {
  LocalServer server(Response("200 OK", "text/html", std::string(100000, 'x')));
  const auto answer = FetchAndWait(server.Address(), 40000);
  ASSERT_TRUE(answer.has_value() && answer->has_value());
  EXPECT_EQ((*answer)->body.size(), 40000u);
}

TEST_F(Win32PageFetcherTest, AnErrorStatusOrNoServerIsAFailure) {
  {
    LocalServer server(Response("404 Not Found", "text/html", "<p>gone</p>"));
    const auto answer = FetchAndWait(server.Address());
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->has_value());
  }
  for (const char* address : {"http://127.0.0.1:1/news.html", "not an address"}) {
    const auto answer = FetchAndWait(address);
    ASSERT_TRUE(answer.has_value()) << address;
    EXPECT_FALSE(answer->has_value()) << address;
  }
}

TEST_F(Win32PageFetcherTest, ACancelOrTheEndOfTheFetcherDoesNotWaitForASilentServer) {
  LocalServer server("", false);
  bool answered = false;
  fetcher_.Fetch(server.Address(), 1000,
                 [&](std::optional<platform::FetchedPage>) { answered = true; });
  ASSERT_TRUE(testing::PumpUntil([&] { return server.Connections() > 0; }));
  const ULONGLONG before = GetTickCount64();
  fetcher_.Cancel();
  EXPECT_LT(GetTickCount64() - before, 1000u);
  testing::PumpUntil([] { return false; }, 300);
  EXPECT_FALSE(answered);

  {
    Win32PageFetcher another(ui_);
    another.Fetch(server.Address(), 1000,
                  [&](std::optional<platform::FetchedPage>) { answered = true; });
    ASSERT_TRUE(testing::PumpUntil([&] { return server.Connections() > 1; }));
  }
  testing::PumpUntil([] { return false; }, 300);
  EXPECT_FALSE(answered);
}

}  // namespace
}  // namespace tamsendor::win32

#include "platform/win32/win32_page_fetcher.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win32_ui_thread.h"
#include "tests/win32/message_pump.h"

namespace tamsendor::win32 {
namespace {

// A one-connection-at-a-time HTTP server on 127.0.0.1 that answers every request with the same
// response, or never answers at all.
class LocalServer {
 public:
  explicit LocalServer(std::string response, bool answers = true)
      : response_(std::move(response)), answers_(answers) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int length = sizeof(address);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 4);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LocalServer() {
    closesocket(listener_);
    thread_.join();
    // Reset, not closed: the fetches waiting on them end at once, not when WinHTTP gives up.
    for (SOCKET held : held_) {
      const linger reset{1, 0};
      setsockopt(held, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset), sizeof(reset));
      closesocket(held);
    }
    WSACleanup();
  }
  std::string Address(const char* path = "/news.html") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  int Connections() const { return connections_; }

 private:
  void Serve() {
    for (;;) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET)
        return;
      ++connections_;
      if (!answers_) {
        held_.push_back(client);
        continue;
      }
      char request[4096];
      recv(client, request, sizeof(request), 0);
      send(client, response_.data(), static_cast<int>(response_.size()), 0);
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }

  std::string response_;
  bool answers_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<int> connections_{0};
  std::vector<SOCKET> held_;
  std::thread thread_;
};

std::string Response(const std::string& status, const std::string& type, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
         body;
}

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

#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tamsendor::testing {

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

inline std::string Response(const std::string& status, const std::string& type,
                            const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
         body;
}

}  // namespace tamsendor::testing

#include "support/raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace melvoro::test {

namespace {

// Bytes of a request: headers up to the empty line, then Content-Length bytes of body.
std::string ReadRequest(int fd) {
  std::string data;
  char buffer[4096];
  std::size_t wanted = std::string::npos;
  while (data.size() < wanted) {
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
    const std::size_t end = data.find("\r\n\r\n");
    if (wanted == std::string::npos && end != std::string::npos) {
      std::size_t length = 0;
      const std::size_t at = data.find("Content-Length: ");
      if (at != std::string::npos && at < end) length = std::strtoul(data.c_str() + at + 16, nullptr, 10);
      wanted = end + 4 + length;
    }
  }
  return data;
}

}  // namespace

RawHttpServer::RawHttpServer(std::string response, std::chrono::milliseconds byte_pause)
    : response_(std::move(response)), byte_pause_(byte_pause) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("raw server: cannot listen");
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  stopping_ = true;
  thread_.join();
  ::close(listener_);
}

std::string RawHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawHttpServer::Requests() {
  std::lock_guard lock(mutex_);
  return requests_;
}

void RawHttpServer::Serve() {
  while (!stopping_) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::string request = ReadRequest(fd);
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(std::move(request));
    }
    if (byte_pause_.count() == 0 && !response_.empty())
      (void)!::send(fd, response_.data(), response_.size(), MSG_NOSIGNAL);
    for (std::size_t i = 0; byte_pause_.count() > 0 && i < response_.size() && !stopping_; ++i) {
      if (::send(fd, &response_[i], 1, MSG_NOSIGNAL) != 1) break;
      std::this_thread::sleep_for(byte_pause_);
    }
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
  }
}

}  // namespace melvoro::test

#include "netsim/server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace melvoro::netsim {

namespace {

constexpr auto kStopWait = std::chrono::seconds(5);

std::runtime_error SocketError(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

Server::~Server() {
  if (listen_fd_ >= 0) close(listen_fd_);
}

int Server::Listen(const std::string& address, int port) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  if (inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1)
    throw std::runtime_error("not an IPv4 address: " + address);

  listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listen_fd_ < 0) throw SocketError("socket");
  const int one = 1;
  setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  if (bind(listen_fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0)
    throw SocketError("bind " + address + ":" + std::to_string(port));
  if (listen(listen_fd_, 128) != 0) throw SocketError("listen");

  socklen_t length = sizeof addr;
  if (getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &length) != 0)
    throw SocketError("getsockname");
  return ntohs(addr.sin_port);
}

void Server::AcceptLoop() {
  while (!stopping_) {
    const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (stopping_) break;
      // A connection that died in the queue costs nothing; anything else (out of descriptors,
      // memory) gets a pause, so that the loop never spins.
      if (errno != EINTR && errno != ECONNABORTED) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      continue;
    }
    {
      const std::lock_guard lock(mutex_);
      if (stopping_) {
        close(fd);
        break;
      }
      open_.insert(fd);
    }
    try {
      std::thread([this, fd] { Serve(fd); }).detach();
    } catch (const std::system_error&) {
      const std::lock_guard lock(mutex_);
      open_.erase(fd);
      close(fd);
    }
  }
}

void Server::Serve(int fd) {
  ServeConnection(fd, site_);
  const std::lock_guard lock(mutex_);
  // Closed under the lock so that Stop() never shuts down a descriptor number reused meanwhile.
  open_.erase(fd);
  close(fd);
  if (open_.empty()) all_closed_.notify_all();
}

void Server::Stop() {
  stopping_ = true;
  // Wakes accept(): on Linux a listening socket that is shut down fails it with EINVAL.
  shutdown(listen_fd_, SHUT_RDWR);
  std::unique_lock lock(mutex_);
  for (const int fd : open_) shutdown(fd, SHUT_RDWR);
  all_closed_.wait_for(lock, kStopWait, [this] { return open_.empty(); });
}

}  // namespace melvoro::netsim

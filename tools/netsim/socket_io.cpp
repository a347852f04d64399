#include "netsim/socket_io.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>

namespace melvoro::netsim {

namespace {

constexpr int kSendBufferBytes = 4 * 1024 * 1024;
constexpr int kSendTimeoutSeconds = 60;  // a reader that takes nothing for this long is gone

}  // namespace

bool SendAll(int fd, std::string_view bytes, int flags) {
  while (!bytes.empty()) {
    const ssize_t n = send(fd, bytes.data(), bytes.size(), flags | MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool WaitReadable(int fd, std::chrono::milliseconds timeout) {
  pollfd p{fd, POLLIN, 0};
  while (true) {
    const int rc = poll(&p, 1, static_cast<int>(timeout.count()));
    if (rc < 0 && errno == EINTR) continue;
    return rc > 0;
  }
}

void HoldUntilPeerLeaves(int fd, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  char sink[4096];
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !WaitReadable(fd, left)) return;
    const ssize_t n = recv(fd, sink, sizeof sink, 0);
    if (n == 0 || (n < 0 && errno != EINTR)) return;
  }
}

void FinishSending(int fd) {
  shutdown(fd, SHUT_WR);
  HoldUntilPeerLeaves(fd, std::chrono::milliseconds(1000));
}

void TuneConnection(int fd) {
  const int one = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSendBufferBytes, sizeof kSendBufferBytes);
  const timeval send_timeout{kSendTimeoutSeconds, 0};
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &send_timeout, sizeof send_timeout);
}

}  // namespace melvoro::netsim

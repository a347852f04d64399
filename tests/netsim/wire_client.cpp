#include "wire_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace melvoro::test {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

void ParseReply(const std::string& bytes, WireReply& reply) {
  const std::size_t end = bytes.find("\r\n\r\n");
  if (end == std::string::npos) {
    reply.body = bytes;  // no complete head: keep what came for the test to see
    return;
  }
  std::string_view head = std::string_view(bytes).substr(0, end);
  const std::size_t first_eol = head.find("\r\n");
  const std::string_view status_line = head.substr(0, first_eol);
  if (status_line.size() > 12) reply.status = std::atoi(std::string(status_line.substr(9, 3)).c_str());
  head = first_eol == std::string_view::npos ? std::string_view() : head.substr(first_eol + 2);
  while (!head.empty()) {
    const std::size_t eol = head.find("\r\n");
    const std::string_view line = head.substr(0, eol);
    head = eol == std::string_view::npos ? std::string_view() : head.substr(eol + 2);
    const std::size_t colon = line.find(':');
    std::string_view value = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
    while (!value.empty() && value[0] == ' ') value.remove_prefix(1);
    reply.headers.emplace_back(line.substr(0, colon), value);
  }
  reply.body = bytes.substr(end + 4);
}

}  // namespace

bool WireReply::Has(std::string_view name) const {
  for (const auto& header : headers)
    if (SameName(header.first, name)) return true;
  return false;
}

std::string WireReply::Header(std::string_view name) const {
  for (const auto& [header, value] : headers)
    if (SameName(header, name)) return value;
  return {};
}

WireReply Exchange(int port, std::string_view request, std::chrono::milliseconds timeout) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    throw std::runtime_error("cannot connect to netsim");
  }
  for (std::size_t sent = 0; sent < request.size();) {
    const ssize_t n = send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<std::size_t>(n);
  }

  WireReply reply;
  std::string bytes;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string chunk(256 * 1024, '\0');
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) == 0) break;
    const ssize_t n = recv(fd, chunk.data(), chunk.size(), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reply.closed = true;
      break;
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  close(fd);
  ParseReply(bytes, reply);
  return reply;
}

WireReply Get(int port, std::string_view target, std::string_view host, std::string_view extra_headers) {
  std::string request = "GET " + std::string(target) + " HTTP/1.0\r\n";
  if (!host.empty()) request += "Host: " + std::string(host) + "\r\n";
  request += std::string(extra_headers) + "\r\n";
  return Exchange(port, request);
}

}  // namespace melvoro::test

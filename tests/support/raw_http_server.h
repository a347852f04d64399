#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace melvoro::test {

// A loopback server that records each request's raw bytes and answers every connection
// with the same canned bytes (none: the connection is closed without an answer).
class RawHttpServer {
 public:
  // byte_pause > 0: the answer goes out one byte at a time with that pause, a server that
  // dribbles.
  explicit RawHttpServer(std::string response, std::chrono::milliseconds byte_pause = {});
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int port() const { return port_; }
  std::string Url(const std::string& path) const;
  std::vector<std::string> Requests();

 private:
  void Serve();

  std::string response_;
  std::chrono::milliseconds byte_pause_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace melvoro::test

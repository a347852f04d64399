// The listening socket and a thread per connection.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>

#include "netsim/exchange.h"

namespace melvoro::netsim {

class Server {
 public:
  explicit Server(Site& site) : site_(site) {}
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Binds an IPv4 address and listens; returns the port (the one picked when port is 0).
  // Throws std::runtime_error.
  int Listen(const std::string& address, int port);

  // Accepts connections until Stop().
  void AcceptLoop();

  // Ends the accept loop, cuts every open connection and waits (a little) for their threads.
  void Stop();

 private:
  void Serve(int fd);

  Site& site_;
  int listen_fd_ = -1;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable all_closed_;
  std::set<int> open_;  // connections whose threads still run
};

}  // namespace melvoro::netsim

// A netsim on a free loopback port for the length of a test, with its request log.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/http/hosts.h"
#include "support/temp_dir.h"

namespace melvoro::test {

// One request as netsim logged it, bytes exactly as received.
struct LoggedRequest {
  std::string request_line;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;

  // The value of the first header of that name (case-insensitive); empty when there is none.
  std::string Header(std::string_view name) const;
};

// Parses netsim's log: one JSON object per line. Throws std::runtime_error on a malformed line.
std::vector<LoggedRequest> ParseNetsimLog(std::string_view text);

class NetsimProcess {
 public:
  // Starts $MELVORO_BIN_DIR/netsim, with extra options after its own, and waits (up to 10 s)
  // until it listens. Throws std::runtime_error saying what went wrong.
  explicit NetsimProcess(const std::vector<std::string>& extra_args = {});
  // Kills and reaps the process.
  ~NetsimProcess();
  NetsimProcess(const NetsimProcess&) = delete;
  NetsimProcess& operator=(const NetsimProcess&) = delete;

  int port() const { return port_; }

  // "network.localhost:PORT" for "network"; roles: network, storage, cs<N>.storage, login,
  // radiospb, radiomsk, lastfm, support.
  std::string Host(std::string_view role) const;
  // "http://127.0.0.1:PORT" + path
  std::string Url(std::string_view path) const;
  // A hosts table that points every host of the program at this netsim.
  Hosts HostsTable() const;

  // Every request received so far, in arrival order.
  std::vector<LoggedRequest> Requests() const;
  const std::filesystem::path& log_path() const { return log_path_; }

  // Ends the process with SIGTERM and returns its wait status (see waitpid).
  int Terminate();

 private:
  TempDir dir_;
  std::filesystem::path log_path_;
  pid_t pid_ = -1;
  int output_ = -1;  // read end of its stdout; kept open so that a late write never fails
  int port_ = 0;
};

}  // namespace melvoro::test

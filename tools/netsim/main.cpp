// netsim --listen 127.0.0.1:PORT [--log FILE] [--pace-kbps N] [--latency-ms N] [--latest-version V]
// A loopback HTTP server that answers as every host the program talks to; paced, it sends
// each song at N KiB per second and waits N ms before every answer, as a real network would.
// The support server offers version V (default 2.1.0) in its version file.
#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "netsim/request_log.h"
#include "netsim/server.h"

namespace {

constexpr int kUsageExit = 2;
constexpr std::uint64_t kMaxPaceKib = 1000000;
constexpr std::uint64_t kMaxLatencyMs = 60000;

struct Options {
  std::string address;
  int port = 0;
  std::string log_path;
  std::optional<std::uint64_t> pace_kib;
  std::optional<std::uint64_t> latency_ms;
  std::optional<std::string> latest_version;
};

int Usage() {
  std::fputs(
      "usage: netsim --listen 127.0.0.1:PORT [--log FILE] [--pace-kbps N] [--latency-ms N] [--latest-version "
      "V]\n",
      stderr);
  return kUsageExit;
}

// A whole number from low to high; nullopt otherwise.
std::optional<std::uint64_t> Number(std::string_view text, std::uint64_t low, std::uint64_t high) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const std::uint64_t n = std::stoull(std::string(text));
  if (n < low || n > high) return std::nullopt;
  return n;
}

bool ParseListen(std::string_view text, Options& options) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  const std::string_view port = text.substr(colon + 1);
  if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  options.port = std::atoi(std::string(port).c_str());
  options.address = text.substr(0, colon);
  return options.port <= 65535;
}

std::optional<Options> ParseArguments(int argc, char** argv) {
  Options options;
  bool listen = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    if (arg == "--listen" && !listen) {
      if (!ParseListen(argv[++i], options)) return std::nullopt;
      listen = true;
    } else if (arg == "--log" && options.log_path.empty()) {
      options.log_path = argv[++i];
      if (options.log_path.empty()) return std::nullopt;
    } else if (arg == "--pace-kbps" && !options.pace_kib) {
      options.pace_kib = Number(argv[++i], 1, kMaxPaceKib);
      if (!options.pace_kib) return std::nullopt;
    } else if (arg == "--latency-ms" && !options.latency_ms) {
      options.latency_ms = Number(argv[++i], 0, kMaxLatencyMs);
      if (!options.latency_ms) return std::nullopt;
    } else if (arg == "--latest-version" && !options.latest_version) {
      // Any text but a line end: a test may offer a malformed version on purpose.
      options.latest_version = argv[++i];
      if (options.latest_version->find_first_of("\r\n") != std::string::npos) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!listen) return std::nullopt;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseArguments(argc, argv);
  if (!options) return Usage();

  // A client that leaves mid-answer must not end the server; sends report it instead.
  signal(SIGPIPE, SIG_IGN);
  // Every thread inherits the blocked set; only main waits for the signals that end us.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

  using melvoro::netsim::RequestLog;
  melvoro::netsim::Site site;
  site.pacing.song_rate = options->pace_kib.value_or(0) * 1024;
  site.pacing.latency = std::chrono::milliseconds(options->latency_ms.value_or(0));
  if (options->latest_version) site.latest_version = *options->latest_version;
  std::unique_ptr<RequestLog> log;
  melvoro::netsim::Server server(site);
  int port = 0;
  try {
    if (!options->log_path.empty()) {
      log = std::make_unique<RequestLog>(options->log_path);
      site.log = log.get();
    }
    port = server.Listen(options->address, options->port);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "netsim: %s\n", e.what());
    return 1;
  }
  site.own_address = options->address + ":" + std::to_string(port);

  std::thread acceptor([&server] { server.AcceptLoop(); });
  std::printf("listening on %s\n", site.own_address.c_str());
  std::fflush(stdout);

  int signal_number = 0;
  sigwait(&stop_signals, &signal_number);
  server.Stop();
  acceptor.join();
  // A connection thread that did not end in time must not outlive the state it uses.
  std::fflush(nullptr);
  std::quick_exit(0);
}

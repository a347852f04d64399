#include "cli/stop_signals.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace melvoro::cli {

namespace {

std::atomic<bool> g_graceful = false;
std::atomic<int> g_signal = 0;

sigset_t StopSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

void Watch(sigset_t set) {
  while (true) {
    int signal = 0;
    if (sigwait(&set, &signal) != 0) continue;
    if (!g_graceful.load() || g_signal.load() != 0) _exit(128 + signal);
    g_signal = signal;
  }
}

}  // namespace

void InstallStopSignals() {
  const sigset_t set = StopSet();
  // Every thread started later inherits the mask, so only the watcher ever takes them.
  if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return;
  std::thread(Watch, set).detach();
}

void StopGracefully() { g_graceful = true; }

bool StopRequested() { return g_signal.load() != 0; }

int StopExitCode() { return 128 + g_signal.load(); }

}  // namespace melvoro::cli

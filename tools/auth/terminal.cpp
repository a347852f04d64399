#include "terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace melvoro::auth {

namespace {

// The settings to put back if a signal ends the process while echo is off.
int g_restore_fd = -1;
termios g_restore_mode{};

void RestoreAndDie(int signal) {
  tcsetattr(g_restore_fd, TCSAFLUSH, &g_restore_mode);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

class EchoOff {
 public:
  explicit EchoOff(int fd) : fd_(fd) {
    if (tcgetattr(fd, &saved_) != 0) return;
    g_restore_fd = fd;
    g_restore_mode = saved_;
    for (std::size_t i = 0; i < kSignalCount; ++i) previous_[i] = std::signal(kSignals[i], RestoreAndDie);
    installed_ = true;
    termios quiet = saved_;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    active_ = tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
  }
  ~EchoOff() {
    if (active_) tcsetattr(fd_, TCSAFLUSH, &saved_);
    if (installed_)
      for (std::size_t i = 0; i < kSignalCount; ++i) std::signal(kSignals[i], previous_[i]);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  static constexpr std::size_t kSignalCount = 4;
  static constexpr int kSignals[kSignalCount] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
  using Handler = void (*)(int);
  int fd_;
  termios saved_{};
  Handler previous_[kSignalCount] = {};
  bool installed_ = false;
  bool active_ = false;
};

}  // namespace

std::unique_ptr<Terminal> Terminal::Open() {
  const int fd = open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nullptr;
  return std::unique_ptr<Terminal>(new Terminal(fd));
}

Terminal::~Terminal() { close(fd_); }

void Terminal::Write(std::string_view utf8) {
  while (!utf8.empty()) {
    const ssize_t done = write(fd_, utf8.data(), utf8.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;
    utf8.remove_prefix(static_cast<std::size_t>(done));
  }
}

std::optional<std::string> Terminal::Ask(std::string_view prompt_utf8, bool echo) {
  if (echo) {
    Write(prompt_utf8);
    return ReadLine();
  }
  // Echo goes off before the prompt shows, so nothing typed in answer to it is ever echoed.
  const EchoOff quiet(fd_);
  Write(prompt_utf8);
  return ReadLine();
}

std::optional<std::string> Terminal::ReadLine() {
  std::string line;
  for (;;) {
    char c;
    const ssize_t got = read(fd_, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return line.empty() ? std::nullopt : std::optional<std::string>(line);
    if (c == '\n') break;
    line += c;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace melvoro::auth

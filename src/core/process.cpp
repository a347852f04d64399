#include "core/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace melvoro {

namespace {

// How often a program whose output has gone quiet is checked for having ended.
constexpr int kExitCheckMs = 20;

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void Reset() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// The child starts with default signal handling and an empty mask, whatever the caller set:
// an ignored SIGPIPE would otherwise survive the exec.
class SpawnSetup {
 public:
  explicit SpawnSetup(int out_fd) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, out_fd, STDOUT_FILENO);
    posix_spawnattr_init(&attr_);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attr_, &none);
    posix_spawnattr_setsigdefault(&attr_, &defaults);
    posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attr_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawn_file_actions_t* actions() const { return &actions_; }
  const posix_spawnattr_t* attr() const { return &attr_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attr_;
};

// Reads what the pipe holds now, without blocking; false at end of file or on an error.
bool ReadAvailable(int fd, std::string& out, std::size_t limit) {
  char buffer[65536];
  while (limit > 0) {
    const std::size_t want = limit < sizeof buffer ? limit : sizeof buffer;
    const ssize_t got = read(fd, buffer, want);
    if (got > 0) {
      out.append(buffer, static_cast<std::size_t>(got));
      limit -= static_cast<std::size_t>(got);
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && errno == EAGAIN) return true;
    return false;
  }
  return true;
}

// Exit code of a finished child, or nothing while it runs.
bool ChildEnded(pid_t pid, int& exit_code) {
  int status = 0;
  pid_t done;
  do {
    done = waitpid(pid, &status, WNOHANG);
  } while (done < 0 && errno == EINTR);
  if (done == 0) return false;
  // ECHILD: someone reaped it already (SIGCHLD ignored); it has ended all the same.
  exit_code = done == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

}  // namespace

ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args) {
  ProcessResult result;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return result;
  Fd read_end(ends[0]);
  Fd write_end(ends[1]);
  if (fcntl(read_end.get(), F_SETFL, O_NONBLOCK) != 0) return result;

  std::vector<std::string> argv_text{program.string()};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  {
    const SpawnSetup setup(write_end.get());
    if (posix_spawnp(&pid, program.c_str(), setup.actions(), setup.attr(), argv.data(), environ) != 0)
      return result;
  }
  result.Started = true;
  write_end.Reset();  // only the child (and what it starts) may hold the write end now

  bool open = true;
  while (open) {
    pollfd watch{read_end.get(), POLLIN, 0};
    const int ready = poll(&watch, 1, kExitCheckMs);
    if (ready < 0 && errno != EINTR) break;
    if (ready > 0) open = ReadAvailable(read_end.get(), result.Output, static_cast<std::size_t>(-1));
    if (open && ChildEnded(pid, result.ExitCode)) {
      // Take what was written up to the end and stop: a descendant may hold the pipe open
      // for far longer, and may keep writing.
      int pending = 0;
      if (ioctl(read_end.get(), FIONREAD, &pending) == 0 && pending > 0)
        ReadAvailable(read_end.get(), result.Output, static_cast<std::size_t>(pending));
      return result;
    }
  }
  // End of file: the child closed its output; wait for it to end.
  int status = 0;
  pid_t done;
  do {
    done = waitpid(pid, &status, 0);
  } while (done < 0 && errno == EINTR);
  result.ExitCode = done == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace melvoro

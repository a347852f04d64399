#include "core/os/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace melvoro {

namespace {

// How often a program whose output has gone quiet is checked for having ended.
constexpr int kExitCheckMs = 20;

// The descriptor limit the process started with, for the programs it starts: some of them
// still use select(), which fails past descriptor 1023.
rlimit g_started_limit{};
bool g_limit_raised = false;

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

// The executable a name stands for: a path as it is, a bare name looked up on $PATH.
std::string ResolveProgram(const std::filesystem::path& program) {
  const std::string name = program.string();
  if (name.empty() || name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const std::size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    const std::string candidate = (dir.empty() ? std::string(".") : std::string(dir)) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (colon == std::string_view::npos) return {};
    dirs.remove_prefix(colon + 1);
  }
}

// In the forked child: only async-signal-safe calls. The child starts with default signal
// handling and an empty mask, whatever the caller set (an ignored SIGPIPE would otherwise
// survive the exec), and is sent SIGTERM when the thread that started it ends. An exec that
// fails writes its errno to report_fd.
[[noreturn]] void BecomeProgram(const char* path, char* const* argv, int in_fd, int out_fd, int report_fd,
                                pid_t parent) {
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != parent) _exit(127);  // the caller is already gone
  if (g_limit_raised) setrlimit(RLIMIT_NOFILE, &g_started_limit);
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal)
    if (signal != SIGKILL && signal != SIGSTOP) sigaction(signal, &defaults, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  if (dup2(in_fd, STDIN_FILENO) < 0 || dup2(out_fd, STDOUT_FILENO) < 0) {
    const int error = errno;
    (void)!write(report_fd, &error, sizeof error);
    _exit(127);
  }
  execve(path, argv, environ);
  const int error = errno;
  (void)!write(report_fd, &error, sizeof error);
  _exit(127);
}

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

int ExitCodeOf(pid_t done, pid_t pid, int status) {
  return done == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
  exit_code = ExitCodeOf(done, pid, status);
  return true;
}

// False when the exec failed.
bool ExecSucceeded(int report_fd) {
  int error = 0;
  ssize_t got;
  do {
    got = read(report_fd, &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == 0;
}

}  // namespace

ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         std::size_t max_output) {
  ProcessResult result;
  const std::string path = ResolveProgram(program);
  if (path.empty()) return result;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return result;
  Fd read_end(ends[0]);
  Fd write_end(ends[1]);
  if (fcntl(read_end.get(), F_SETFL, O_NONBLOCK) != 0) return result;
  if (pipe2(ends, O_CLOEXEC) != 0) return result;
  Fd report_read(ends[0]);
  Fd report_write(ends[1]);
  const Fd null_in(open("/dev/null", O_RDONLY | O_CLOEXEC));
  if (null_in.get() < 0) return result;

  std::vector<std::string> argv_text{program.string()};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0)
    BecomeProgram(path.c_str(), argv.data(), null_in.get(), write_end.get(), report_write.get(), parent);
  report_write.Reset();
  write_end.Reset();  // only the child (and what it starts) may hold the write end now
  if (!ExecSucceeded(report_read.get())) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return result;
  }
  result.Started = true;

  // One byte past the limit tells a long output from one of exactly the limit.
  const std::size_t wanted = max_output == kUnlimitedOutput ? max_output : max_output + 1;
  const auto room = [&] { return wanted - result.Output.size(); };
  bool open = true;
  while (open) {
    if (result.Output.size() > max_output) {
      result.Output.resize(max_output);
      result.OutputCut = true;
      break;
    }
    pollfd watch{read_end.get(), POLLIN, 0};
    const int ready = poll(&watch, 1, kExitCheckMs);
    if (ready < 0 && errno != EINTR) break;
    if (ready > 0) open = ReadAvailable(read_end.get(), result.Output, room());
    if (open && result.Output.size() <= max_output && ChildEnded(pid, result.ExitCode)) {
      // Take what was written up to the end and stop: a descendant may hold the pipe open
      // for far longer, and may keep writing.
      int pending = 0;
      if (ioctl(read_end.get(), FIONREAD, &pending) == 0 && pending > 0)
        ReadAvailable(read_end.get(), result.Output, std::min(room(), static_cast<std::size_t>(pending)));
      if (result.Output.size() > max_output) {
        result.Output.resize(max_output);
        result.OutputCut = true;
      }
      return result;
    }
  }
  // End of file, or enough read: wait for the program to end.
  read_end.Reset();
  int status = 0;
  pid_t done;
  do {
    done = waitpid(pid, &status, 0);
  } while (done < 0 && errno == EINTR);
  result.ExitCode = ExitCodeOf(done, pid, status);
  return result;
}

void RaiseDescriptorLimit() {
  rlimit limit{};
  if (g_limit_raised || getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
  const rlimit started = limit;
  limit.rlim_cur = limit.rlim_max;
  if (setrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  g_started_limit = started;
  g_limit_raised = true;
}

}  // namespace melvoro

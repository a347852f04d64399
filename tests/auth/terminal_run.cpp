#include "terminal_run.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "support/temp_dir.h"

namespace melvoro::test {

namespace {

// A safety net against a program that never prompts, not a measure of speed.
constexpr int kPromptWaitMs = 30'000;

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (std::string& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

// Appends what the terminal shows; false at its end (the program closed it) or on time-out.
bool ReadSome(int master, std::string& transcript, int timeout_ms) {
  pollfd watch{master, POLLIN, 0};
  const int ready = poll(&watch, 1, timeout_ms);
  if (ready < 0 && errno == EINTR) return true;
  if (ready <= 0) return false;
  char buffer[4096];
  const ssize_t got = read(master, buffer, sizeof buffer);
  if (got < 0 && errno == EINTR) return true;
  if (got <= 0) return false;  // EIO once the last slave descriptor has closed
  transcript.append(buffer, static_cast<std::size_t>(got));
  return true;
}

}  // namespace

TerminalSession RunOnTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                              const std::vector<std::string>& env,
                              const std::vector<std::pair<std::string, std::string>>& dialog) {
  const TempDir io;
  const auto out_path = io / "out";
  std::vector<std::string> argv_text{program.string()};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<std::string> env_text = env;
  std::vector<char*> argv = Pointers(argv_text);
  std::vector<char*> envp = Pointers(env_text);
  const int out_fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (out_fd < 0) throw std::runtime_error("cannot create the output file");

  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) {
    dup2(out_fd, STDOUT_FILENO);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(out_fd);

  TerminalSession session;
  std::size_t seen = 0;
  session.answered_all = true;
  for (const auto& [prompt, answer] : dialog) {
    std::size_t at;
    while ((at = session.transcript.find(prompt, seen)) == std::string::npos)
      if (!ReadSome(master, session.transcript, kPromptWaitMs)) break;
    if (at == std::string::npos) {
      session.answered_all = false;
      break;
    }
    seen = at + prompt.size();
    const std::string line = answer + "\n";
    if (write(master, line.data(), line.size()) != static_cast<ssize_t>(line.size())) break;
  }
  while (ReadSome(master, session.transcript, kPromptWaitMs)) {
  }
  close(master);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  session.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  session.out = ReadFile(out_path);
  return session;
}

}  // namespace melvoro::test

#include "support/netsim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "support/program_run.h"

extern char** environ;

namespace melvoro::test {

namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);
constexpr auto kExitLimit = std::chrono::seconds(5);
constexpr std::string_view kListening = "listening on 127.0.0.1:";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Just enough JSON for the log: objects, arrays and strings whose \u escapes stay below 0x100.
class LogLineParser {
 public:
  explicit LogLineParser(std::string_view text) : text_(text) {}

  LoggedRequest Parse() {
    LoggedRequest request;
    Expect('{');
    bool first = true;
    while (!Consume('}')) {
      if (!first) Expect(',');
      first = false;
      const std::string key = String();
      Expect(':');
      if (key == "request_line") {
        request.request_line = String();
      } else if (key == "body") {
        request.body = String();
      } else if (key == "headers") {
        Expect('[');
        for (bool first_header = true; !Consume(']'); first_header = false) {
          if (!first_header) Expect(',');
          Expect('[');
          std::string name = String();
          Expect(',');
          std::string value = String();
          Expect(']');
          request.headers.emplace_back(std::move(name), std::move(value));
        }
      } else {
        Fail("unknown key " + key);
      }
    }
    SkipSpace();
    if (pos_ != text_.size()) Fail("text after the object");
    return request;
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw std::runtime_error("netsim log: " + why + " at " + std::to_string(pos_) +
                             " in: " + std::string(text_));
  }
  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r')) ++pos_;
  }
  bool Consume(char c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Consume(c)) Fail(std::string("expected '") + c + "'");
  }
  int Hex(char c) const {
    if (c >= '0' && c <= '9') return c - '0';
    if (Lower(c) >= 'a' && Lower(c) <= 'f') return Lower(c) - 'a' + 10;
    Fail("bad \\u escape");
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("unterminated escape");
      const char e = text_[pos_++];
      if (e == 'u') {
        if (pos_ + 4 > text_.size()) Fail("short \\u escape");
        int unit = 0;
        for (int i = 0; i < 4; ++i) unit = unit * 16 + Hex(text_[pos_++]);
        if (unit > 0xFF) Fail("\\u escape beyond one byte");
        out += static_cast<char>(unit);
        continue;
      }
      static constexpr std::string_view kEscaped = "\"\\/bfnrt";
      static constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
      const std::size_t which = kEscaped.find(e);
      if (which == std::string_view::npos) Fail("unknown escape");
      out += kMeant[which];
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Reads the first line the process prints, waiting at most until the deadline.
std::string ReadFirstLine(int fd) {
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  std::string line;
  while (line.find('\n') == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) throw std::runtime_error("netsim did not say it listens within 10 s");
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) < 0 && errno != EINTR)
      throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
    if (p.revents == 0) continue;
    char buffer[256];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("netsim ended before listening; it printed: " + line);
    line.append(buffer, static_cast<std::size_t>(n));
  }
  return line.substr(0, line.find('\n'));
}

int WaitWithLimit(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return status;
}

}  // namespace

std::string LoggedRequest::Header(std::string_view name) const {
  for (const auto& [header, value] : headers) {
    if (header.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) same = Lower(header[i]) == Lower(name[i]);
    if (same) return value;
  }
  return {};
}

std::vector<LoggedRequest> ParseNetsimLog(std::string_view text) {
  std::vector<LoggedRequest> requests;
  while (!text.empty()) {
    const std::size_t nl = text.find('\n');
    const std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    if (!line.empty()) requests.push_back(LogLineParser(line).Parse());
  }
  return requests;
}

NetsimProcess::NetsimProcess(const std::vector<std::string>& extra_args) : log_path_(dir_ / "netsim.log") {
  const std::string program = BuiltProgram("netsim").string();
  if (access(program.c_str(), X_OK) != 0) throw std::runtime_error("netsim is not built: " + program);

  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  const std::string log = log_path_.string();
  std::vector<const char*> argv = {program.c_str(), "--listen", "127.0.0.1:0", "--log", log.c_str()};
  for (const std::string& arg : extra_args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  const int rc =
      posix_spawn(&pid_, program.c_str(), &actions, nullptr, const_cast<char**>(argv.data()), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  output_ = pipe_fds[0];
  if (rc != 0) {
    close(output_);
    throw std::runtime_error("cannot start " + program + ": " + std::strerror(rc));
  }
  try {
    const std::string line = ReadFirstLine(output_);
    if (line.substr(0, kListening.size()) != kListening)
      throw std::runtime_error("netsim said \"" + line + "\" instead of where it listens");
    port_ = std::atoi(line.c_str() + kListening.size());
    if (port_ <= 0) throw std::runtime_error("netsim gave no port: " + line);
  } catch (...) {
    Terminate();
    close(output_);
    throw;
  }
}

NetsimProcess::~NetsimProcess() {
  Terminate();
  close(output_);
}

int NetsimProcess::Terminate() {
  if (pid_ <= 0) return 0;
  kill(pid_, SIGTERM);
  const int status = WaitWithLimit(pid_, kExitLimit);
  pid_ = -1;
  return status;
}

std::string NetsimProcess::Host(std::string_view role) const {
  return std::string(role) + ".localhost:" + std::to_string(port_);
}

std::string NetsimProcess::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

Hosts NetsimProcess::HostsTable() const {
  Hosts hosts;
  hosts.Network = Host("network");
  hosts.Storage = Host("storage");
  hosts.Login = Host("login");
  hosts.RadioSpb = Host("radiospb");
  hosts.RadioMsk = Host("radiomsk");
  hosts.LastFm = Host("lastfm");
  hosts.Support = Host("support");
  return hosts;
}

std::vector<LoggedRequest> NetsimProcess::Requests() const { return ParseNetsimLog(ReadFile(log_path_)); }

}  // namespace melvoro::test

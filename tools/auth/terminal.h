// The user's terminal (/dev/tty), where auth asks for the e-mail and the password: standard
// output belongs to the program that started auth.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace melvoro::auth {

class Terminal {
 public:
  // Nothing when the process has no controlling terminal.
  static std::unique_ptr<Terminal> Open();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  void Write(std::string_view utf8);
  // Shows the prompt and reads one line, without its line end; nothing at end of input.
  // With echo off the typed text stays hidden, and echo comes back even on Ctrl-C.
  std::optional<std::string> Ask(std::string_view prompt_utf8, bool echo);

 private:
  explicit Terminal(int fd) : fd_(fd) {}
  std::optional<std::string> ReadLine();

  int fd_;
};

}  // namespace melvoro::auth

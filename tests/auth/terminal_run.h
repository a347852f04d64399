// Runs a program on a pseudo-terminal of its own and answers its prompts.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace melvoro::test {

struct TerminalSession {
  std::string transcript;  // all the terminal showed, echo included
  std::string out;         // standard output, kept apart in a file
  int exit_code = -1;
  bool answered_all = false;  // every expected prompt appeared
};

// dialog: pairs of (text to wait for on the terminal, line to type then).
TerminalSession RunOnTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                              const std::vector<std::string>& env,
                              const std::vector<std::pair<std::string, std::string>>& dialog);

}  // namespace melvoro::test

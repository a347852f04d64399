// Platform seam: start a program and capture what it prints.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace melvoro {

struct ProcessResult {
  bool Started = false;    // false: missing or not executable; the rest is empty
  int ExitCode = -1;       // -1 when it was killed by a signal
  std::string Output;      // its standard output, bytes as written
  bool OutputCut = false;  // it wrote more than the caller would read
};

inline constexpr std::size_t kUnlimitedOutput = static_cast<std::size_t>(-1);

// Runs `program` (a bare name is looked up on $PATH) with `args` (argv[0] is the program itself), standard
// input from /dev/null, standard output captured, standard error inherited. Output is read while the program
// runs, so a long one never blocks it; returns once the program has ended and the pipe holds no more of what
// was written until then, even when a descendant keeps the pipe open. No time limit: the program may be
// waiting for the user. Past max_output bytes the pipe is closed (the program gets EPIPE or
// SIGPIPE) and the program is still waited for. The program is sent SIGTERM when the calling
// thread ends first, as when the process is killed: it never outlives its caller.
ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         std::size_t max_output = kUnlimitedOutput);

// Raises the soft limit of open descriptors to the hard one: every transfer holds a socket and a file.
void RaiseDescriptorLimit();

}  // namespace melvoro

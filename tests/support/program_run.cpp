#include "support/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "support/temp_dir.h"

extern char** environ;

namespace melvoro::test {

namespace {

std::vector<std::string> Environment(const std::map<std::string, std::optional<std::string>>& changes) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (!changes.contains(text.substr(0, text.find('=')))) env.push_back(text);
  }
  for (const auto& [name, value] : changes)
    if (value) env.push_back(name + "=" + *value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (std::string& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

}  // namespace

ProgramOutput RunProgram(const std::filesystem::path& program, const ProgramRun& run) {
  const TempDir io;
  const auto in = io.Write("in", run.input);
  const auto out = io / "out";
  const auto err = io / "err";

  std::vector<std::string> args{program.string()};
  args.insert(args.end(), run.args.begin(), run.args.end());
  std::vector<std::string> env = Environment(run.env);
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(env);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (error != 0) throw std::runtime_error("cannot start " + program.string() + ": " + std::strerror(error));

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  ProgramOutput result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  return result;
}

std::filesystem::path BuiltProgram(std::string_view name) {
  const char* bin = std::getenv("MELVORO_BIN_DIR");
  if (!bin || !*bin) throw std::runtime_error("MELVORO_BIN_DIR is not set: run the tests through CTest");
  return std::filesystem::path(bin) / name;
}

std::filesystem::path CopyProgram(const std::string& name, const std::filesystem::path& folder) {
  const auto target = folder / name;
  std::filesystem::copy_file(BuiltProgram(name), target, std::filesystem::copy_options::overwrite_existing);
  return target;
}

void WriteScript(const std::filesystem::path& path, const std::string& body) {
  {
    std::ofstream file(path, std::ios::binary);
    file << "#!/bin/sh\n" << body;
  }
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

}  // namespace melvoro::test

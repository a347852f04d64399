#include "core/system_shell.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <utility>

#include "core/cp1251.h"
#include "core/os_path.h"
#include "core/process.h"
#include "core/text_helpers.h"

namespace melvoro {

namespace {

// posix_spawn does not search $PATH, so a bare name is found here. Empty when it is nowhere.
std::filesystem::path FindProgram(const std::filesystem::path& program) {
  if (program.native().find('/') != std::string::npos) return program;
  const char* env = std::getenv("PATH");
  const std::string_view dirs = env ? env : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string_view::npos) end = dirs.size();
    // An empty entry means the current folder.
    const std::filesystem::path dir(end == start ? std::string_view(".") : dirs.substr(start, end - start));
    const std::filesystem::path candidate = dir / program;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = end + 1;
  }
  return {};
}

bool RunsCleanly(const std::filesystem::path& program, const std::vector<std::string>& args) {
  const std::filesystem::path found = FindProgram(program);
  if (found.empty()) return false;
  const ProcessResult result = RunProcess(found, args);
  return result.Started && result.ExitCode == 0;
}

bool KeepInFileUri(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string FileUri(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  // A comma must be encoded too: dbus-send splits array arguments at commas.
  return "file://" + PercentEncode(absolute.native(), KeepInFileUri);
}

SystemShell::SystemShell(std::filesystem::path opener, std::filesystem::path bus_sender)
    : opener_(std::move(opener)), bus_sender_(std::move(bus_sender)) {}

bool SystemShell::Open(const std::string& target) { return RunsCleanly(opener_, {Cp1251ToUtf8(target)}); }

bool SystemShell::ShowInFolder(const std::string& file_path) {
  const std::filesystem::path file = ToOsPath(file_path);
  if (RunsCleanly(bus_sender_, {"--session", "--print-reply", "--dest=org.freedesktop.FileManager1",
                                "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
                                "array:string:" + FileUri(file), "string:"}))
    return true;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file, error);
  if (error) absolute = file;
  return Open(FromOsPath(absolute.parent_path()));
}

}  // namespace melvoro

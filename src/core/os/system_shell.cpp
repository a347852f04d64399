#include "core/os/system_shell.h"

#include <string_view>
#include <utility>

#include "core/os/os_path.h"
#include "core/os/process.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

// What the programs print belongs on no terminal (the caller reports a failure), nor in a pipe
// that a program they start may outlive. A shell sends it to /dev/null and still finds a bare
// name on $PATH.
bool RunsCleanly(const std::filesystem::path& program, const std::vector<std::string>& args) {
  std::vector<std::string> quiet = {"-c", "exec \"$0\" \"$@\" >/dev/null 2>&1", program.string()};
  quiet.insert(quiet.end(), args.begin(), args.end());
  const ProcessResult result = RunProcess("/bin/sh", quiet);
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

#include "playback/shell_open.h"

#include "core/log/program_log.h"
#include "core/os/shell.h"
#include "core/text/texts.h"

namespace melvoro {

void ShellOpen(Shell& shell, ProgramLog& log, const std::string& target) {
  if (!shell.Open(target)) LogShellOpenFailure(log, target);
}

void ShellShowInFolder(Shell& shell, ProgramLog& log, const std::string& file_path) {
  if (!shell.ShowInFolder(file_path)) LogShellOpenFailure(log, file_path);
}

void LogShellOpenFailure(ProgramLog& log, const std::string& target) {
  std::string details(texts::kShellOpenHelp);
  details += "\n\n";
  details += target;
  log.AddLogEntry(texts::kShellOpenError.str(), details, kLogError);
}

}  // namespace melvoro

#include "playback/shell_open.h"

#include <filesystem>
#include <system_error>

#include "core/log/program_log.h"
#include "core/os/os_path.h"
#include "core/os/shell.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

std::string What(OpenProgram program) {
  switch (program) {
    case OpenProgram::FileManager:
      return texts::kOpenFolderFailed.str();
    case OpenProgram::Browser:
      return texts::kOpenLinkFailed.str();
    case OpenProgram::MediaPlayer:
      break;
  }
  return texts::kOpenSongFailed.str();
}

std::string Advice(OpenProgram program) {
  switch (program) {
    case OpenProgram::FileManager:
      return texts::kOpenFolderHelp.str();
    case OpenProgram::Browser:
      return texts::kOpenLinkHelp.str();
    case OpenProgram::MediaPlayer:
      break;
  }
  return texts::kOpenSongHelp.str();
}

}  // namespace

OpenProgram ProgramFor(const std::string& target) {
  if (target.starts_with("http://") || target.starts_with("https://")) return OpenProgram::Browser;
  std::error_code error;
  if (std::filesystem::is_directory(ToOsPath(target), error)) return OpenProgram::FileManager;
  return OpenProgram::MediaPlayer;
}

bool ShellOpen(Shell& shell, ProgramLog& log, const std::string& target) {
  if (shell.Open(target)) return true;
  LogShellOpenFailure(log, target);
  return false;
}

bool ShellShowInFolder(Shell& shell, ProgramLog& log, const std::string& file_path) {
  if (shell.ShowInFolder(file_path)) return true;
  LogShellOpenFailure(log, file_path, OpenProgram::FileManager);
  return false;
}

void LogShellOpenFailure(ProgramLog& log, const std::string& target, OpenProgram program) {
  std::string details = Advice(program);
  details += "\n\n";
  details += target;
  log.AddLogEntry(What(program), details, kLogError);
}

void LogShellOpenFailure(ProgramLog& log, const std::string& target) {
  LogShellOpenFailure(log, target, ProgramFor(target));
}

std::string OpenFailureMessage(OpenProgram program) { return What(program) + ".\n\n" + Advice(program); }

}  // namespace melvoro

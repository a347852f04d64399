#include "playback/shell_open.h"

#include <filesystem>
#include <system_error>

#include "core/log/program_log.h"
#include "core/os/os_path.h"
#include "core/os/shell.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

// What could not be opened, and which kind of program would open it.
struct OpenFailureTexts {
  std::string what;
  std::string advice;
};

OpenFailureTexts TextsFor(OpenProgram program) {
  switch (program) {
    case OpenProgram::FileManager:
      return {texts::kOpenFolderFailed.str(), texts::kOpenFolderHelp.str()};
    case OpenProgram::Browser:
      return {texts::kOpenLinkFailed.str(), texts::kOpenLinkHelp.str()};
    case OpenProgram::MediaPlayer:
      break;
  }
  return {texts::kOpenSongFailed.str(), texts::kOpenSongHelp.str()};
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
  const OpenFailureTexts failure = TextsFor(program);
  log.AddLogEntry(failure.what, failure.advice + "\n\n" + target, kLogError);
}

void LogShellOpenFailure(ProgramLog& log, const std::string& target) {
  LogShellOpenFailure(log, target, ProgramFor(target));
}

std::string OpenFailureMessage(OpenProgram program) {
  const OpenFailureTexts failure = TextsFor(program);
  return failure.what + ".\n\n" + failure.advice;
}

}  // namespace melvoro

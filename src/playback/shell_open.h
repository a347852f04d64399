// Opening a file or address for the user: a failure is logged, and the caller may show it.
#pragma once

#include <string>

namespace melvoro {

class ProgramLog;
class Shell;

// The kind of program a target needs: a web address a browser, a folder a file manager,
// anything else (songs, playlists) a media player.
enum class OpenProgram { MediaPlayer, FileManager, Browser };
OpenProgram ProgramFor(const std::string& target);

// Asks the shell to open target (Windows-1251); when it cannot, logs an error entry that
// carries the target so the user can copy it, and returns false.
bool ShellOpen(Shell& shell, ProgramLog& log, const std::string& target);

// Asks the shell to show the file in the file manager; when it cannot, logs the same error
// entry, carrying the file, and returns false.
bool ShellShowInFolder(Shell& shell, ProgramLog& log, const std::string& file_path);

// The log entry of a target the shell could not open.
void LogShellOpenFailure(ProgramLog& log, const std::string& target, OpenProgram program);
void LogShellOpenFailure(ProgramLog& log, const std::string& target);

// What a person is told: what could not be opened and which kind of program to install.
std::string OpenFailureMessage(OpenProgram program);

}  // namespace melvoro

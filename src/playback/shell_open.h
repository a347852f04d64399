// Opening a file or address for the user: a failure is only logged, never shown.
#pragma once

#include <string>

namespace melvoro {

class ProgramLog;
class Shell;

// Asks the shell to open target (Windows-1251); when it cannot, logs an error entry that
// carries the target so the user can copy it.
void ShellOpen(Shell& shell, ProgramLog& log, const std::string& target);

// Asks the shell to show the file in the file manager; when it cannot, logs the same error
// entry, carrying the file.
void ShellShowInFolder(Shell& shell, ProgramLog& log, const std::string& file_path);

// The log entry of a target the shell could not open.
void LogShellOpenFailure(ProgramLog& log, const std::string& target);

}  // namespace melvoro

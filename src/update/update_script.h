// The batch script that swaps a downloaded executable over the running one: it waits for the
// program to end, copies the new file over the old, says so and starts the program again.
#pragma once

#include <string>
#include <string_view>

namespace melvoro {

// The script's bytes, CR LF after every line. Paths are Windows-1251, as every path of the
// engine; the lines the console echoes are in code page 866, which it shows them in.
std::string UpdateScript(std::string_view new_exe_path, std::string_view running_exe_path);

// Why a path (Windows-1251) cannot stand in the script as it is, or empty when it can: the
// command interpreter reads a quote or a percent sign, a control character breaks the line,
// and "?" or "*" (also what a character Windows-1251 lacks became) is a wildcard.
std::string UpdateScriptPathFault(std::string_view path);

// Writes the script into a new file, TempName() + ".bat", and returns its path (Windows-1251).
// Throws FileError when no such file can be made or written, and std::runtime_error (UTF-8,
// nothing written) when a path has a fault.
std::string WriteUpdateScript(std::string_view new_exe_path, std::string_view running_exe_path);

// Windows-1251 text in code page 866: ASCII and the Cyrillic letters (with Ё and ё) carry over,
// any other byte becomes "?".
std::string Cp1251ToCp866(std::string_view text);

}  // namespace melvoro

// Runs one of the project's programs the way a user's session would not: in a session of its
// own (no controlling terminal), with chosen environment and standard input, both output
// streams captured.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro::test {

struct ProgramRun {
  std::vector<std::string> args;
  std::string input;                                      // standard input
  std::map<std::string, std::optional<std::string>> env;  // nullopt: unset
};

struct ProgramOutput {
  int exit_code = -1;  // -1: killed by a signal
  std::string out;
  std::string err;
};

ProgramOutput RunProgram(const std::filesystem::path& program, const ProgramRun& run);

// A program of this build (<build>/bin, which CTest passes in MELVORO_BIN_DIR). Throws when
// the variable is missing.
std::filesystem::path BuiltProgram(std::string_view name);

// A built program of this tree (<build>/bin, from MELVORO_BIN_DIR) copied into folder, so
// that it finds its config.ini and helpers there.
std::filesystem::path CopyProgram(const std::string& name, const std::filesystem::path& folder);

// Writes an executable shell script.
void WriteScript(const std::filesystem::path& path, const std::string& body);

}  // namespace melvoro::test

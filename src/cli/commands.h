// The commands of melvoro-cli. Each takes the arguments after its name and returns the
// process exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro::cli {

using Args = std::vector<std::string>;

int CommandFetch(const Args& args);
int CommandSettings(const Args& args);
int CommandSearch(const Args& args);
int CommandPage(const Args& args);
int CommandGet(const Args& args);
int CommandPlay(const Args& args);
int CommandStations(const Args& args);
int CommandCharts(const Args& args);
int CommandFriends(const Args& args);
int CommandGroups(const Args& args);
int CommandAudio(const Args& args);
int CommandFeedback(const Args& args);
int CommandUpdateScript(const Args& args);

struct Command {
  const char* name;
  const char* arguments;  // as the usage text shows them
  int (*run)(const Args& args);
};

// Every command, in the order the usage text lists them.
const std::vector<Command>& Commands();
// The usage line of one command; of every command when name is empty. Standard error, where a
// wrong use shows it, unless asked for.
void PrintUsage(std::string_view name = {});
void PrintUsage(std::string_view name, std::ostream& out);
// "--help" or "-h".
bool IsHelpRequest(std::string_view arg);

}  // namespace melvoro::cli

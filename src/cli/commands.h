// The commands of melvoro-cli. Each takes the arguments after its name and returns the
// process exit code.
#pragma once

#include <string>
#include <vector>

namespace melvoro::cli {

using Args = std::vector<std::string>;

int CommandFetch(const Args& args);
int CommandSettings(const Args& args);
int CommandSearch(const Args& args);
int CommandPage(const Args& args);
int CommandGet(const Args& args);
int CommandPlay(const Args& args);

}  // namespace melvoro::cli

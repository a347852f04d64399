// Prints the stations of both radio portals as two bash array assignments, so that the
// completion offers exactly the names `melvoro-cli charts` accepts.
#include <iostream>
#include <string>

#include "charts/stations.h"
#include "core/text/cp1251.h"

namespace {

// Single-quoted for bash: a quote inside ends the quoting, is escaped, and reopens it.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

void PrintArray(const char* name, melvoro::RadioSite site) {
  std::cout << name << "=(";
  for (const std::string& station : melvoro::Stations(site))
    std::cout << "\n  " << ShellQuoted(melvoro::Cp1251ToUtf8(station));
  std::cout << "\n)\n";
}

}  // namespace

int main() {
  PrintArray("_melvoro_cli_stations_spb", melvoro::RadioSite::Spb);
  PrintArray("_melvoro_cli_stations_msk", melvoro::RadioSite::Msk);
  std::cout.flush();
  return std::cout ? 0 : 1;
}

// melvoro-cli as a user runs it: a copy in a folder of its own, beside an authorization utility
// that answers with a session and a config.ini that points every host at netsim.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro::test {

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    cli = CopyProgram("melvoro-cli", app.path());
    WriteScript(app / "auth", "[ \"$1\" = -a ] && echo remixsid=cli\n");
    WriteConfig();
  }
  // The hosts section, then `more` (lines ended by CR LF).
  void WriteConfig(const std::string& more = {}) {
    const Hosts h = netsim.HostsTable();
    app.Write("config.ini", "[Hosts]\r\nNetwork=" + h.Network + "\r\nStorage=" + h.Storage +
                                "\r\nRadioSpb=" + h.RadioSpb + "\r\nRadioMsk=" + h.RadioMsk +
                                "\r\nLastFm=" + h.LastFm + "\r\nSupport=" + h.Support + "\r\n" + more);
  }
  ProgramOutput Cli(std::vector<std::string> args) {
    ProgramRun run;
    run.args = std::move(args);
    run.env = env;
    return RunProgram(cli, run);
  }
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  NetsimProcess netsim;
  TempDir app;
  std::filesystem::path cli;
  std::map<std::string, std::optional<std::string>> env;
};

}  // namespace melvoro::test

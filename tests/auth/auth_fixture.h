// A copy of auth in a temporary app folder, with its own config.ini and data folder.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro::test {

class AuthFixture {
 public:
  AuthFixture();

  void Config(const std::string& bytes) const { root_.Write("app/config.ini", bytes); }
  // extra_env is set on top of the fixture's environment.
  ProgramOutput Run(std::vector<std::string> args, std::string input = "",
                    const std::map<std::string, std::string>& extra_env = {}) const;
  // The environment of every run, as NAME=VALUE texts.
  std::vector<std::string> Environment() const;

  const std::filesystem::path& Auth() const { return auth_; }
  std::filesystem::path DataFolder() const { return root_ / "data"; }
  std::filesystem::path CookieFolder() const { return root_ / "data" / "melvoro" / "cookies"; }
  const TempDir& Root() const { return root_; }

 private:
  TempDir root_;
  std::filesystem::path auth_;
};

}  // namespace melvoro::test

#include "auth_fixture.h"

extern char** environ;

namespace melvoro::test {

namespace {

// Proxies of the machine must not take the loopback login host elsewhere, and a desktop
// session must not turn the terminal runs into windows (nor an offscreen one hide them).
const char* const kDroppedVariables[] = {"http_proxy", "HTTP_PROXY",      "all_proxy",      "ALL_PROXY",
                                         "DISPLAY",    "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

}  // namespace

AuthFixture::AuthFixture() {
  std::filesystem::create_directory(root_ / "app");
  auth_ = CopyProgram("auth", root_ / "app");
  CopyProgram("auth-login", root_ / "app");
  CopyProgram("auth-dialog", root_ / "app");
}

ProgramOutput AuthFixture::Run(std::vector<std::string> args, std::string input,
                               const std::map<std::string, std::string>& extra_env) const {
  ProgramRun run;
  run.args = std::move(args);
  run.input = std::move(input);
  run.env["XDG_DATA_HOME"] = DataFolder().string();
  run.env["HOME"] = (root_ / "home").string();
  for (const char* name : kDroppedVariables) run.env[name] = std::nullopt;
  for (const auto& [name, value] : extra_env) run.env[name] = value;
  return RunProgram(auth_, run);
}

std::vector<std::string> AuthFixture::Environment() const {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    bool dropped = name == "XDG_DATA_HOME" || name == "HOME";
    for (const char* drop : kDroppedVariables) dropped = dropped || name == drop;
    if (!dropped) env.push_back(text);
  }
  env.push_back("XDG_DATA_HOME=" + DataFolder().string());
  env.push_back("HOME=" + (root_ / "home").string());
  return env;
}

}  // namespace melvoro::test

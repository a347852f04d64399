// The program's start-up: the settings table from config.ini, the session cookie from the
// authorization utility, and the defaults of what is still unset.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/config/settings_table.h"
#include "core/http/hosts.h"

namespace melvoro {

class MessageBoxes;

struct Configuration {
  SettingsTable Settings;
  melvoro::Hosts Hosts;
  // No session cookie: the program ends without a word once start-up is through.
  bool MustEnd = false;
};

// What start-up asks of the system, replaceable in tests.
struct StartupSeams {
  // Output of the authorization utility in the app folder, Windows-1251; empty if it won't run.
  std::function<std::string(const std::filesystem::path& app_folder)> RunAuth;
  // The default download folder (DefaultDownloadFolder), empty when there is none.
  std::function<std::filesystem::path()> DesktopFolder;
};

// The real ones: RunAuthUtility and DefaultDownloadFolder.
StartupSeams SystemStartupSeams();

// Raises the descriptor limit, reads config.ini (ConfigFilePath) and runs the authorization utility. A
// config.ini that exists but cannot be read costs one message box; start-up goes on with what it has.
Configuration LoadConfiguration(const std::filesystem::path& app_folder, MessageBoxes& boxes,
                                const StartupSeams& seams = SystemStartupSeams());

// Runs "<app_folder>/auth -a" and returns what it printed, converted from UTF-8; empty when it
// failed, was killed, or printed more than a cookie could be.
std::string RunAuthUtility(const std::filesystem::path& app_folder);

}  // namespace melvoro

#include "app/startup.h"

#include "core/config/hosts_config.h"
#include "core/config/ini_file.h"
#include "core/os/message_box.h"
#include "core/os/os_path.h"
#include "core/os/process.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "downloads/download_queue.h"

namespace melvoro {

namespace {

// A session cookie is a few hundred bytes; more than this is not one.
constexpr std::size_t kMaxAuthOutput = 64 * 1024;

}  // namespace

StartupSeams SystemStartupSeams() {
  return StartupSeams{.RunAuth = RunAuthUtility, .DesktopFolder = [] { return DefaultDownloadFolder(); }};
}

Configuration LoadConfiguration(const std::filesystem::path& app_folder, MessageBoxes& boxes,
                                const StartupSeams& seams) {
  RaiseDescriptorLimit();
  Configuration config;
  SettingsTable& settings = config.Settings;
  const IniFile ini(ConfigFilePath(app_folder));

  // A config.ini that cannot be read leaves the text empty, as the profile functions did.
  IniText text;
  try {
    text = ini.Load();
    settings.Set("email", text.Read("Authorization", "email"));
    // Each value goes through the case-blind lookup, so of two spellings of a key the first
    // one's value lands under both.
    for (const std::string& key : text.Keys("Melvoro")) settings.Set(key, text.Read("Melvoro", key));
  } catch (const std::exception&) {
    boxes.Show(std::string(texts::kConfigErrorCaption), std::string(texts::kConfigReadError),
               MessageIcon::Error);
  }
  config.Hosts = LoadHosts(text);

  settings.Set("cookie", text.Read("Authorization", "cookie"));
  const std::string output = seams.RunAuth ? seams.RunAuth(app_folder) : std::string();
  if (output.find("remixsid") != std::string::npos) {
    settings.Set("cookie", output);
  } else {
    config.MustEnd = true;
  }

  if (settings.Get("ThreadsCount").empty())
    settings.Set("ThreadsCount", std::to_string(DownloadQueue::kDefaultThreads));
  if (settings.Get("UploadDir").empty()) {
    const std::filesystem::path desktop =
        seams.DesktopFolder ? seams.DesktopFolder() : std::filesystem::path();
    // No folder stays no folder, which the queue refuses, rather than "/" and the root.
    if (!desktop.empty()) settings.Set("UploadDir", FromOsPath(desktop) + "/");
  }
  return config;
}

std::string RunAuthUtility(const std::filesystem::path& app_folder) {
  const ProcessResult result = RunProcess(app_folder / "auth", {"-a"}, kMaxAuthOutput);
  // A failed or killed utility may still print the word, in an error message for one.
  if (!result.Started || result.ExitCode != 0 || result.OutputCut) return {};
  return Utf8ToCp1251(result.Output);
}

}  // namespace melvoro

#include "app/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>

#include "core/config/hosts_config.h"
#include "core/config/ini_file.h"
#include "core/os/message_box.h"
#include "core/os/os_path.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "settings/settings_form_logic.h"
#include "support/recording_boxes.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::RecordingBoxes;

using test::TempDir;

std::string W(std::u8string_view utf8) {
  return Utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::vector<std::pair<std::string, std::string>> Entries(const SettingsTable& table) {
  std::vector<std::pair<std::string, std::string>> out;
  for (int i = 0; i < table.Count(); ++i) out.emplace_back(table.KeyAt(i), table.ValueAt(i));
  return out;
}

class LoadConfigurationTest : public ::testing::Test {
 protected:
  Configuration Load() {
    StartupSeams seams;
    seams.RunAuth = [this](const std::filesystem::path& folder) {
      auth_folder = folder;
      return auth_output;
    };
    seams.DesktopFolder = [this] { return desktop; };
    return LoadConfiguration(app.path(), boxes, seams);
  }
  void Config(const std::string& bytes) { app.Write("config.ini", bytes); }

  TempDir app;
  RecordingBoxes boxes;
  std::string auth_output = "remixsid=0123abcd\r\n";
  std::filesystem::path desktop = "/home/u/Desktop";
  std::filesystem::path auth_folder;
};

TEST(SettingsTable, KeysAreExactAndKeepTheirPlace) {
  SettingsTable table;
  EXPECT_EQ(table.Get("missing"), "");
  table.Set("ThreadsCount", "5");
  table.Set("threadscount", "3");
  table.Set("UploadDir", "/a/");
  table.Set("ThreadsCount", "7");
  EXPECT_EQ(Entries(table), (std::vector<std::pair<std::string, std::string>>{
                                {"ThreadsCount", "7"}, {"threadscount", "3"}, {"UploadDir", "/a/"}}));
  EXPECT_THROW(table.KeyAt(3), std::out_of_range);
  EXPECT_THROW(table.ValueAt(-1), std::out_of_range);
}

TEST_F(LoadConfigurationTest, ReadsBothSectionsAndTheCookieFromTheUtility) {
  Config(
      W(u8"[Authorization]\r\nemail=auth@example.org\r\ncookie=remixsid=old\r\n"
        u8"[Melvoro]\r\nThreadsCount=3\r\nemail=melvoro@example.org\r\ncookie=remixsid=stale\r\n"
        u8"UploadDir=/музыка/\r\nWindowLeft=10\r\n"
        u8"[Hosts]\r\nNetwork=network.localhost:8080\r\nLogin=\r\n"));
  const Configuration config = Load();
  EXPECT_FALSE(config.MustEnd);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(auth_folder, app.path());
  EXPECT_EQ(Entries(config.Settings), (std::vector<std::pair<std::string, std::string>>{
                                          {"email", "melvoro@example.org"},
                                          {"ThreadsCount", "3"},
                                          {"cookie", "remixsid=0123abcd\r\n"},
                                          {"UploadDir", W(u8"/музыка/")},
                                          {"WindowLeft", "10"},
                                      }));
  EXPECT_EQ(config.Hosts.Network, "network.localhost:8080");
  EXPECT_EQ(config.Hosts.Login, Hosts().Login);
}

TEST_F(LoadConfigurationTest, EveryKeyOfAnySpellingGetsTheFirstSpellingsValue) {
  Config("[Melvoro]\nthreadscount=3\nThreadsCount=7\nuploaddir=/x/\n");
  const Configuration config = Load();
  EXPECT_EQ(config.Settings.Get("threadscount"), "3");
  EXPECT_EQ(config.Settings.Get("ThreadsCount"), "3");
  // "uploaddir" is an entry of its own; the exact key still gets its default.
  EXPECT_EQ(config.Settings.Get("uploaddir"), "/x/");
  EXPECT_EQ(config.Settings.Get("UploadDir"), "/home/u/Desktop/");
}

TEST_F(LoadConfigurationTest, ManyKeysLoadInOnePass) {
  // Parsing the file again for every key, and a table searched key by key, took hours here.
  constexpr int kKeys = 100'000;
  std::string bytes = "[Melvoro]\r\n";
  for (int i = 0; i < kKeys; ++i) bytes += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
  Config(bytes + "K5=late\r\n[melvoro]\r\nk7=other\r\n");
  const Configuration config = Load();
  ASSERT_EQ(config.Settings.Count(), kKeys + 5);  // and K5, email, cookie, ThreadsCount, UploadDir
  for (int i = 0; i < kKeys; ++i)
    ASSERT_EQ(config.Settings.Get("k" + std::to_string(i)), "v" + std::to_string(i));
  EXPECT_EQ(config.Settings.Get("K5"), "v5");
}

TEST_F(LoadConfigurationTest, ThreadsCountDefaultsOnlyWhenEmpty) {
  Config("[Melvoro]\nThreadsCount=0\n");
  EXPECT_EQ(Load().Settings.Get("ThreadsCount"), "0");
  Config("[Melvoro]\nThreadsCount=\n");
  EXPECT_EQ(Load().Settings.Get("ThreadsCount"), "5");
  Config("[Melvoro]\nthreadscount=2\n");  // another key as far as the table goes
  EXPECT_EQ(Load().Settings.Get("ThreadsCount"), "5");
  Config("");
  EXPECT_EQ(Load().Settings.Get("ThreadsCount"), "5");
}

TEST_F(LoadConfigurationTest, OutputWithoutRemixsidEndsTheProgramAfterTheDefaults) {
  Config("[Authorization]\ncookie=remixsid=saved\n");
  for (const std::string output : {"REMIXSID=abc\n", "", "error: no session\n"}) {
    auth_output = output;
    const Configuration config = Load();
    EXPECT_TRUE(config.MustEnd) << output;
    EXPECT_EQ(config.Settings.Get("cookie"), "remixsid=saved");
    EXPECT_EQ(config.Settings.Get("ThreadsCount"), "5");
    EXPECT_EQ(config.Settings.Get("UploadDir"), "/home/u/Desktop/");
  }
  EXPECT_TRUE(boxes.shown.empty());
  auth_output = "log line\nSet: remixsid=1; path=/\n";  // anywhere in the output, taken whole
  EXPECT_EQ(Load().Settings.Get("cookie"), auth_output);
}

TEST_F(LoadConfigurationTest, UnreadableConfigShowsOneBoxAndGoesOn) {
  std::filesystem::create_directory(app / "config.ini");
  const Configuration config = Load();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, texts::kConfigErrorCaption.str());
  EXPECT_EQ(boxes.shown[0].text, texts::kConfigReadError.str());
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Error);
  EXPECT_FALSE(config.MustEnd);
  EXPECT_EQ(Entries(config.Settings), (std::vector<std::pair<std::string, std::string>>{
                                          {"cookie", "remixsid=0123abcd\r\n"},
                                          {"ThreadsCount", "5"},
                                          {"UploadDir", "/home/u/Desktop/"},
                                      }));
  EXPECT_EQ(config.Hosts.Network, Hosts().Network);
}

TEST_F(LoadConfigurationTest, MissingConfigIsNoError) {
  const Configuration config = Load();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(config.Settings.Get("email"), "");
  EXPECT_EQ(config.Settings.KeyAt(0), "email");
  EXPECT_EQ(config.Settings.Get("cookie"), "remixsid=0123abcd\r\n");
}

TEST_F(LoadConfigurationTest, UploadDirIsTheDesktopInWindows1251) {
  desktop = "/home/u/Рабочий стол";
  EXPECT_EQ(Load().Settings.Get("UploadDir"), W(u8"/home/u/Рабочий стол/"));
  desktop.clear();  // never "/": the queue refuses an empty folder instead
  EXPECT_EQ(Load().Settings.Get("UploadDir"), "");
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
 public:
  void Set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    if (!saved_.contains(name)) saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
  ~ScopedEnv() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(DesktopFolder, FollowsUserDirsAndCreatesOneLevel) {
  const TempDir home;
  ScopedEnv env;
  env.Set("HOME", home.path().string());
  env.Set("XDG_CONFIG_HOME", std::nullopt);

  EXPECT_EQ(DesktopFolder(), home / "Desktop");  // no user-dirs.dirs
  EXPECT_TRUE(std::filesystem::is_directory(home / "Desktop"));

  std::filesystem::create_directory(home / ".config");
  home.Write(".config/user-dirs.dirs",
             "# written by xdg-user-dirs-update\nXDG_MUSIC_DIR=\"$HOME/Music\"\n"
             "XDG_DESKTOP_DIR=\"$HOME/Рабочий стол\"\n");
  EXPECT_EQ(DesktopFolder(), home / "Рабочий стол");
  EXPECT_TRUE(std::filesystem::is_directory(home / "Рабочий стол"));

  const TempDir config;
  env.Set("XDG_CONFIG_HOME", config.path().string());
  config.Write("user-dirs.dirs", "XDG_DESKTOP_DIR=\"" + (home / "deep" / "Desktop").string() + "\"\n");
  EXPECT_EQ(DesktopFolder(), std::filesystem::path());  // only one level is made
  EXPECT_FALSE(std::filesystem::exists(home / "deep"));

  config.Write("user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
  EXPECT_EQ(DesktopFolder(), home.path());
}

TEST(DesktopFolder, GivesTheUploadDirDefaultThroughTheRealSeams) {
  const TempDir home, app;
  ScopedEnv env;
  env.Set("HOME", home.path().string());
  env.Set("XDG_CONFIG_HOME", std::nullopt);
  RecordingBoxes boxes;
  StartupSeams seams = SystemStartupSeams();
  seams.RunAuth = [](const std::filesystem::path&) { return std::string("remixsid=1"); };
  EXPECT_EQ(LoadConfiguration(app.path(), boxes, seams).Settings.Get("UploadDir"),
            FromOsPath(home / "Desktop") + "/");

  // A desktop that is a file, then a home that does not exist.
  std::filesystem::remove(home / "Desktop");
  home.Write("Desktop", "");
  EXPECT_EQ(LoadConfiguration(app.path(), boxes, seams).Settings.Get("UploadDir"),
            FromOsPath(home.path()) + "/");
  env.Set("HOME", (home / "gone").string());
  EXPECT_EQ(LoadConfiguration(app.path(), boxes, seams).Settings.Get("UploadDir"), "");
}

TEST(UserDataFolder, XdgDataHomeWhenAbsoluteElseLocalShare) {
  ScopedEnv env;
  env.Set("HOME", "/home/someone");
  env.Set("XDG_DATA_HOME", "/data/x");
  EXPECT_EQ(UserDataFolder(), "/data/x");
  env.Set("XDG_DATA_HOME", "relative/ignored");
  EXPECT_EQ(UserDataFolder(), "/home/someone/.local/share");
}

// An installed program's folder is not the user's to write; its settings live with the user's.
TEST(ConfigFilePath, BesideAWritableProgramElseInTheUsersConfigFolder) {
  TempDir program, config;
  ScopedEnv env;
  env.Set("XDG_CONFIG_HOME", config.path().string());
  EXPECT_EQ(ConfigFilePath(program.path()), program.path() / "config.ini");

  const std::filesystem::path installed = program.path() / "not-there";
  const std::filesystem::path file = config.path() / "melvoro" / "config.ini";
  ASSERT_EQ(ConfigFilePath(installed), file);
  SettingsTable saved;
  saved.Set("ThreadsCount", "7");
  SaveSettings(saved, IniFile(file));  // makes the folder
  RecordingBoxes boxes;
  StartupSeams seams;
  seams.RunAuth = [](const std::filesystem::path&) { return std::string("remixsid=1"); };
  EXPECT_EQ(LoadConfiguration(installed, boxes, seams).Settings.Get("ThreadsCount"), "7");
}

}  // namespace
}  // namespace melvoro

// What the settings window decides without a screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/cp1251.h"
#include "settings/settings_form_logic.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::ReadFile;
using test::TempDir;

TEST(SettingsLogic, ExistingFolderGivesTheDownloadFolderWithOneFinalSlash) {
  const TempDir dir;
  const std::string base = dir.path().string();
  std::filesystem::create_directory(dir / "Музыка");

  FolderCheck check = CheckDownloadFolder(base);
  EXPECT_TRUE(check.Exists);
  EXPECT_EQ(check.DownloadFolder, base + "/");
  EXPECT_EQ(CheckDownloadFolder(base + "/").DownloadFolder, base + "/");
  // The field holds Windows-1251; the folder on disk is named in UTF-8.
  const std::string cyrillic = base + "/" + std::string(W1251(u8"Музыка"));
  EXPECT_EQ(CheckDownloadFolder(cyrillic).DownloadFolder, cyrillic + "/");
  // One character gets nothing appended.
  EXPECT_EQ(CheckDownloadFolder("/").DownloadFolder, "/");
  EXPECT_EQ(CheckDownloadFolder(".").DownloadFolder, ".");

  EXPECT_FALSE(CheckDownloadFolder(base + "/missing").Exists);
  EXPECT_FALSE(CheckDownloadFolder("").Exists);
  dir.Write("file", "x");
  EXPECT_FALSE(CheckDownloadFolder(base + "/file").Exists);
}

TEST(SettingsLogic, CreatingAFolderMakesOneLevelOrSaysWhyNot) {
  const TempDir dir;
  const std::string folder = (dir / "new").string();
  EXPECT_EQ(CreateFolderQuestion(folder), std::string(W1251(u8"Папки «")) + folder +
                                              std::string(W1251(u8"» не существует. \nСоздать её?")));
  EXPECT_EQ(CreateDownloadFolder(folder), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(CreateDownloadFolder(folder), std::nullopt);  // there already

  const std::string deep = (dir / "a" / "b").string();
  const auto error = CreateDownloadFolder(deep);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->rfind(std::string(W1251(u8"Не могу создать папку ")) + deep + ": ", 0), 0u) << *error;
  EXPECT_FALSE(std::filesystem::exists(dir / "a"));

  dir.Write("taken", "x");
  EXPECT_TRUE(CreateDownloadFolder((dir / "taken").string()).has_value());
  EXPECT_TRUE(CreateDownloadFolder("").has_value());
}

TEST(SettingsLogic, NumberFieldTakesTwoDigitsAndArrowsStayWithinRange) {
  for (const char* typed : {"", "0", "5", "10", "99"}) EXPECT_TRUE(IsTypedThreadsCount(typed)) << typed;
  for (const char* typed : {"a", "1a", "100", "-1", " 5", "+5", "5 "})
    EXPECT_FALSE(IsTypedThreadsCount(typed)) << typed;

  EXPECT_EQ(StepThreadsCount("5", 1), "6");
  EXPECT_EQ(StepThreadsCount("99", 1), "100");
  EXPECT_EQ(StepThreadsCount("100", 1), "100");
  EXPECT_EQ(StepThreadsCount("0", -1), "0");
  EXPECT_EQ(StepThreadsCount("", 1), "1");
  EXPECT_EQ(StepThreadsCount("x7", 1), "1");
  EXPECT_EQ(StepThreadsCount("999999999999", -1), "0");
}

TEST(SettingsLogic, FieldsAreStoredAsTyped) {
  SettingsTable settings;
  settings.Set("cookie", "remixsid=1");
  settings.Set("ThreadsCount", "5");
  StoreFields(settings, {.UploadDir = "/no/such/folder", .Email = "me@example.test", .ThreadsCount = ""});
  EXPECT_EQ(settings.Get("UploadDir"), "/no/such/folder");
  EXPECT_EQ(settings.Get("email"), "me@example.test");
  EXPECT_EQ(settings.Get("ThreadsCount"), "");
  const SettingsFields back = FieldsFromTable(settings);
  EXPECT_EQ(back.UploadDir, "/no/such/folder");
  EXPECT_EQ(back.ThreadsCount, "");
}

TEST(SettingsLogic, SavingWritesEveryEntryButTheCookieIntoItsSection) {
  const TempDir dir;
  const auto path = dir.Write("config.ini",
                              "[Authorization]\r\ncookie=remixsid=saved\r\nemail=old@a.test\r\n"
                              "[Melvoro]\r\nUploadDir=/old/\r\nCookie=kept as it was\r\nOwn=1\r\n");
  SettingsTable settings;
  settings.Set("email", "new@a.test");
  settings.Set("UploadDir", std::string(W1251(u8"/музыка")));
  settings.Set("Own", "1");
  settings.Set("Cookie", "kept as it was");
  settings.Set("ThreadsCount", "");
  settings.Set("cookie", "remixsid=session\r\n");
  SaveSettings(settings, IniFile(path));

  const IniText saved(ReadFile(path));
  EXPECT_EQ(saved.Read("Melvoro", "email"), "new@a.test");
  EXPECT_EQ(saved.Read("Melvoro", "UploadDir"), std::string(W1251(u8"/музыка")));
  EXPECT_EQ(saved.Read("Melvoro", "Cookie"), "kept as it was");
  EXPECT_EQ(saved.Read("Melvoro", "Own"), "1");
  EXPECT_EQ(saved.Keys("Melvoro"),
            (std::vector<std::string>{"UploadDir", "Cookie", "Own", "email", "ThreadsCount"}));
  EXPECT_EQ(saved.Read("Authorization", "cookie"), "remixsid=saved");
  EXPECT_EQ(saved.Read("Authorization", "email"), "old@a.test");
  EXPECT_EQ(saved.Bytes().find("session"), std::string::npos);
}

TEST(SettingsLogic, AFailedSaveThrowsAndLeavesNoFileBehind) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "config.ini");  // cannot be read as a file
  SettingsTable settings;
  settings.Set("ThreadsCount", "5");
  EXPECT_ANY_THROW(SaveSettings(settings, IniFile(dir / "config.ini")));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "config.ini"));
}

TEST(SettingsLogic, AddressesOfTheConnectionTestAndTheUpdater) {
  Hosts hosts;
  hosts.Support = "support.localhost:8080";
  EXPECT_EQ(ConnectionTestUrl(hosts), "http://support.localhost:8080/isword.txt");

  const TempDir dir;
  EXPECT_EQ(UpdaterPath(dir.path()), dir.path() / "update");
  EXPECT_FALSE(IsRunnableFile(UpdaterPath(dir.path())));
  dir.Write("update", "#!/bin/sh\n");
  EXPECT_FALSE(IsRunnableFile(UpdaterPath(dir.path())));
  std::filesystem::permissions(dir / "update", std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  EXPECT_TRUE(IsRunnableFile(UpdaterPath(dir.path())));
  EXPECT_FALSE(IsRunnableFile(dir.path()));
}

}  // namespace
}  // namespace melvoro

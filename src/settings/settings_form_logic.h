// What the settings window decides without a screen: the folder check, the number field's
// rules, what "ОК" stores and saves, and the addresses it uses.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/config/ini_file.h"
#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "core/http/http_request.h"

namespace melvoro {

class ProgramLog;

struct FolderCheck {
  bool Exists = false;
  // When Exists: the text with "/" appended if it has two or more characters and no final "/".
  std::string DownloadFolder;
};

// The folder field's text (Windows-1251) checked against the file system.
FolderCheck CheckDownloadFolder(std::string_view folder_text);

// "Папки «<folder>» не существует. \nСоздать её?"
std::string CreateFolderQuestion(std::string_view folder_text);

// Creates the folder, one level only. Nothing on success, else why not (Windows-1251).
std::optional<std::string> CreateDownloadFolder(std::string_view folder_text);

// The number of simultaneous downloads: what typing may leave in the field (digits only, at
// most two), and where the up-down arrows take it (0 to 100; a text that is no number counts
// as 0).
inline constexpr int kThreadsFieldMaxLength = 2;
inline constexpr int kThreadsArrowMin = 0;
inline constexpr int kThreadsArrowMax = 100;
bool IsTypedThreadsCount(std::string_view text);
std::string StepThreadsCount(std::string_view text, int step);

// The three fields of the window, Windows-1251, as typed.
struct SettingsFields {
  std::string UploadDir;
  std::string Email;
  std::string ThreadsCount;
};

SettingsFields FieldsFromTable(const SettingsTable& settings);
// Stores the fields exactly as typed: a missing folder and an empty number are kept too.
void StoreFields(SettingsTable& settings, const SettingsFields& fields);

// Writes every entry of the table into section "Melvoro", in table order, in one replacement
// of the file, so a failure leaves the file as it was; a missing folder is made first. The session cookie is
// never written: no key that reads as "cookie" in any letter case. Throws IniError or FileError.
void SaveSettings(const SettingsTable& settings, const IniFile& config);

// "http://" + the support host + "/isword.txt".
std::string ConnectionTestUrl(const Hosts& hosts);

// The connection test: logs the address, asks for it, and shows what came back in a box
// captioned with the program's title; a failure shows the request's own error box.
void StartConnectionTest(const RequestContext& requests, const Hosts& hosts, ProgramLog& log);

// "update" beside the program.
std::filesystem::path UpdaterPath(const std::filesystem::path& app_folder);
// A regular file the user may execute.
bool IsRunnableFile(const std::filesystem::path& path);

}  // namespace melvoro

#include "settings/settings_form_logic.h"

#include <unistd.h>

#include <algorithm>
#include <system_error>

#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/os/os_path.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr std::string_view kSection = "Melvoro";
constexpr std::string_view kCookieKey = "cookie";

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

FolderCheck CheckDownloadFolder(std::string_view folder_text) {
  FolderCheck check;
  std::error_code error;
  check.Exists = !folder_text.empty() && std::filesystem::is_directory(ToOsPath(folder_text), error);
  if (check.Exists) {
    check.DownloadFolder = std::string(folder_text);
    if (check.DownloadFolder.size() >= 2 && check.DownloadFolder.back() != '/') check.DownloadFolder += '/';
  }
  return check;
}

std::string CreateFolderQuestion(std::string_view folder_text) {
  return std::string(texts::kCreateFolderQuestionStart) + std::string(folder_text) +
         std::string(texts::kCreateFolderQuestionMiddle) + "\n" +
         std::string(texts::kCreateFolderQuestionEnd);
}

std::optional<std::string> CreateDownloadFolder(std::string_view folder_text) {
  std::error_code error;
  if (folder_text.empty()) {
    error = std::make_error_code(std::errc::no_such_file_or_directory);
  } else {
    std::filesystem::create_directory(ToOsPath(folder_text), error);
    if (!error && !CheckDownloadFolder(folder_text).Exists)
      error = std::make_error_code(std::errc::file_exists);
  }
  if (!error) return std::nullopt;
  return std::string(texts::kCannotCreateFolder) + std::string(folder_text) + ": " +
         Utf8ToCp1251(error.message());
}

bool IsTypedThreadsCount(std::string_view text) {
  return text.size() <= static_cast<std::size_t>(kThreadsFieldMaxLength) && AllDigits(text);
}

std::string StepThreadsCount(std::string_view text, int step) {
  const int value = DecimalNumber(text).value_or(0);
  return std::to_string(std::clamp(value + step, kThreadsArrowMin, kThreadsArrowMax));
}

SettingsFields FieldsFromTable(const SettingsTable& settings) {
  return SettingsFields{.UploadDir = settings.Get("UploadDir"),
                        .Email = settings.Get("email"),
                        .ThreadsCount = settings.Get("ThreadsCount")};
}

void StoreFields(SettingsTable& settings, const SettingsFields& fields) {
  settings.Set("UploadDir", fields.UploadDir);
  settings.Set("email", fields.Email);
  settings.Set("ThreadsCount", fields.ThreadsCount);
}

void SaveSettings(const SettingsTable& settings, const IniFile& config) {
  // An installed program's settings folder under the user's config folder is made by its first
  // save; a folder that cannot be made fails the save below.
  std::error_code ignored;
  std::filesystem::create_directories(config.Path().parent_path(), ignored);
  IniText text = config.Load();
  for (int i = 0; i < settings.Count(); ++i) {
    const std::string& key = settings.KeyAt(i);
    // The file matches keys without regard to case: skipping every spelling keeps the session
    // out of it whatever the table holds.
    if (CyrLowerCase(key) == kCookieKey) continue;
    text.Write(kSection, key, settings.ValueAt(i));
  }
  config.Save(text);
}

std::string ConnectionTestUrl(const Hosts& hosts) { return "http://" + hosts.Support + "/isword.txt"; }

void StartConnectionTest(const RequestContext& requests, const Hosts& hosts, ProgramLog& log) {
  auto worker = std::make_unique<HttpRequest>(requests);
  worker->Url = ConnectionTestUrl(hosts);
  // Only the boxes, never a window: a late answer must not depend on what still exists.
  MessageBoxes& boxes = requests.boxes;
  worker->OnDone = [&boxes](HttpRequest& done) {
    boxes.Show(std::string(texts::kAppTitle), done.Response, MessageIcon::None);
  };
  log.AddLogEntry(worker->Url, {}, kLogInfo);
  HttpRequest::Start(std::move(worker));
}

std::filesystem::path UpdaterPath(const std::filesystem::path& app_folder) { return app_folder / "update"; }

bool IsRunnableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace melvoro

// update: the least updater. Reads the newest version from the support server's version file,
// compares it with its own and says what it found: in a window when there is a display, and
// always on the terminal (so the answer survives a display that cannot be reached). It
// installs nothing. Exit 0 when the check answered, 1 when it failed.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "answer_box.h"
#include "core/cp1251.h"
#include "core/hosts_config.h"
#include "core/ini_file.h"
#include "core/texts.h"
#include "core/user_folders.h"
#include "ui/qt_translation.h"
#include "update/version_check.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "usage: update    checks the support server for a newer version of Melvoro and says so\n";

bool DisplayPresent() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

melvoro::UpdateCheckResult Check() {
  melvoro::Hosts hosts;
  try {
    hosts = melvoro::LoadHosts(melvoro::IniFile(melvoro::ConfigFilePath(melvoro::ExecutableFolder())));
  } catch (const melvoro::IniError& e) {
    melvoro::UpdateCheckResult failed;
    failed.Message = std::string(melvoro::texts::kUpdateCheckFailed) +
                     std::string(melvoro::texts::kUpdateCannotRead) + melvoro::Utf8ToCp1251(e.what());
    return failed;
  }
  return melvoro::CheckForUpdate(hosts, MELVORO_VERSION);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string_view arg = argv[1];
    const bool help = argc == 2 && (arg == "--help" || arg == "-h");
    (help ? std::cout : std::cerr) << kUsage;
    return help ? kExitOk : kExitUsage;
  }
  const melvoro::UpdateCheckResult result = Check();
  const bool failed = result.outcome == melvoro::UpdateCheckResult::Outcome::kFailed;
  (failed ? std::cerr : std::cout) << melvoro::Cp1251ToUtf8(result.Message) << std::endl;
  if (DisplayPresent()) {
    QApplication app(argc, argv);
    melvoro::ui::LoadQtTranslation(app);
    melvoro::update::AnswerBox box(result);
    box.exec();
  }
  return failed ? kExitFailed : kExitOk;
}

// update: the least updater. Reads the newest version from the support server's version file,
// compares it with its own and says what it found: in a window when there is a display, and
// always on the terminal. It installs nothing. Exit 0 when the check answered, 1 when it failed.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <future>
#include <iostream>
#include <optional>
#include <string_view>
#include <thread>

#include "answer_box.h"
#include "core/config/hosts_config.h"
#include "core/config/ini_file.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "qt_seams/qt_translation.h"
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

void Say(const melvoro::UpdateCheckResult& result) {
  const bool failed = result.outcome == melvoro::UpdateCheckResult::Outcome::kFailed;
  (failed ? std::cerr : std::cout) << melvoro::Cp1251ToUtf8(result.Message) << std::endl;
}

int ExitCode(const melvoro::UpdateCheckResult& result) {
  return result.outcome == melvoro::UpdateCheckResult::Outcome::kFailed ? kExitFailed : kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string_view arg = argv[1];
    const bool help = argc == 2 && (arg == "--help" || arg == "-h");
    (help ? std::cout : std::cerr) << kUsage;
    return help ? kExitOk : kExitUsage;
  }
  // The check runs beside the window, so that the window says at once what is going on (a
  // silent or dribbling server keeps it waiting up to kUpdateCheckDeadline, 30 s, and about a
  // second more while the request is aborted); the terminal hears the answer as soon as it is
  // known, whatever becomes of the window.
  std::packaged_task<melvoro::UpdateCheckResult()> task([] {
    melvoro::UpdateCheckResult result = Check();
    Say(result);
    return result;
  });
  std::future<melvoro::UpdateCheckResult> answer = task.get_future();
  std::thread checker(std::move(task));
  if (!DisplayPresent()) {
    checker.join();
    return ExitCode(answer.get());
  }

  QApplication app(argc, argv);
  melvoro::ui::LoadQtTranslation(app);
  melvoro::update::AnswerBox box;
  std::optional<melvoro::UpdateCheckResult> result;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (answer.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    poll.stop();
    result = answer.get();
    box.ShowResult(*result);
  });
  poll.start(50);
  box.exec();
  if (!result) {
    // Closed while the check still waits on the network: nothing is left to say or to keep.
    checker.detach();
    std::quick_exit(kExitFailed);
  }
  checker.join();
  return ExitCode(*result);
}

#include "qt_seams/qt_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <filesystem>

#include "core/os/os_path.h"
#include "qt_seams/qt_text.h"

namespace melvoro::ui {

namespace {

constexpr auto kFileManagerService = "org.freedesktop.FileManager1";
constexpr auto kFileManagerPath = "/org/freedesktop/FileManager1";

QString OsPathText(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path AbsoluteOsPath(const std::string& cp1251_path) {
  const std::filesystem::path path = ToOsPath(cp1251_path);
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute;
}

std::string FolderOf(const std::filesystem::path& file) { return FromOsPath(file.parent_path()); }

}  // namespace

QUrl TargetUrl(const std::string& target) {
  if (target.find("://") != std::string::npos) return QUrl(ToQString(target), QUrl::TolerantMode);
  return QUrl::fromLocalFile(OsPathText(AbsoluteOsPath(target)));
}

bool QtShell::Open(const std::string& target) {
  const QUrl url = TargetUrl(target);
  if (opener_.isEmpty()) return QDesktopServices::openUrl(url);
  auto* process = new QProcess;
  process->setProgram(opener_);
  // Its messages (and those of the program it starts, which may outlive it) belong on no
  // terminal and in no pipe that closes when it ends.
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
  // xdg-open may stay until the player it started ends: the window never waits for it.
  const std::weak_ptr<bool> alive = alive_;
  QObject::connect(process, &QProcess::finished, process,
                   [this, alive, process, target](int code, QProcess::ExitStatus status) {
                     const bool failed = status != QProcess::NormalExit || code != 0;
                     if (failed && !alive.expired()) OnOpenFailed(target);
                     process->deleteLater();
                   });
  process->start();
  if (!process->waitForStarted(5000)) {
    delete process;
    return false;
  }
  return true;
}

bool QtShell::ShowInFolder(const std::string& file_path) {
  const std::filesystem::path file = AbsoluteOsPath(file_path);
  // A transfer still running (its file is a .part) or one that failed has nothing to select.
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return Open(FolderOf(file));
  QDBusConnection bus =
      bus_address_.isEmpty()
          ? QDBusConnection::sessionBus()
          : QDBusConnection::connectToBus(bus_address_, QStringLiteral("melvoro-shell ") + bus_address_);
  if (!bus.isConnected()) return Open(FolderOf(file));

  QDBusMessage call =
      QDBusMessage::createMethodCall(kFileManagerService, kFileManagerPath, kFileManagerService, "ShowItems");
  call << QStringList{QUrl::fromLocalFile(OsPathText(file)).toString(QUrl::FullyEncoded)} << QString();
  // Starting a file manager can take a while; the window must not freeze meanwhile. A bus with
  // no file manager answers with an error, which opens the folder instead.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  const std::weak_ptr<bool> alive = alive_;
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                   [this, alive, file](QDBusPendingCallWatcher* finished) {
                     finished->deleteLater();
                     if (!finished->isError() || alive.expired()) return;
                     const std::string folder = FolderOf(file);
                     if (!Open(folder)) OnOpenFailed(folder);
                   });
  return true;
}

}  // namespace melvoro::ui

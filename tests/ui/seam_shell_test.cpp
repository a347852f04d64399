// The GUI's shell: what the desktop is asked to open, and the file manager over a private
// D-Bus daemon.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <vector>

#include "core/text/cp1251.h"
#include "qt_seams/qt_shell.h"
#include "seam_wait.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::WaitUntil;

// Stands in for the desktop's handlers of file and web addresses.
class OpenedUrls final : public QObject {
  Q_OBJECT

 public:
  OpenedUrls() {
    for (const char* scheme : {"file", "http"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~OpenedUrls() override {
    for (const char* scheme : {"file", "http"}) QDesktopServices::unsetUrlHandler(scheme);
  }
  std::vector<QUrl> urls;

 public Q_SLOTS:
  void Open(const QUrl& url) { urls.push_back(url); }
};

// A file manager on the private bus; answers with an error when told to.
class FakeFileManager final : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

 public:
  bool fail = false;
  std::vector<QStringList> shown;

 public Q_SLOTS:
  void ShowItems(const QStringList& uris, const QString&) {
    shown.push_back(uris);
    if (fail) sendErrorReply(QDBusError::Failed, QStringLiteral("cannot show"));
  }
};

// A session bus of the test's own.
class PrivateBus {
 public:
  PrivateBus() {
    daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(5000)) return;
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    daemon_.kill();
    daemon_.waitForFinished(5000);
  }
  const QString& Address() const { return address_; }

 private:
  QProcess daemon_;
  QString address_;
};

TEST(SeamShell, UrlsAndWindows1251PathsBecomeDesktopAddresses) {
  const OpenedUrls opened;
  ui::QtShell shell;
  EXPECT_TRUE(shell.Open("http://example.localhost/page?q=1"));
  const std::string path = std::string(W1251(u8"/tmp/Мои песни/список.asx"));
  EXPECT_TRUE(shell.Open(path));
  ASSERT_EQ(opened.urls.size(), 2u);
  EXPECT_EQ(opened.urls[0], QUrl(QStringLiteral("http://example.localhost/page?q=1")));
  EXPECT_EQ(opened.urls[1], QUrl::fromLocalFile(QString::fromUtf8(u8"/tmp/Мои песни/список.asx")));

  // A relative path is opened where it is, not as a relative address.
  EXPECT_TRUE(shell.Open("song.mp3"));
  ASSERT_EQ(opened.urls.size(), 3u);
  EXPECT_EQ(opened.urls[2],
            QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("song.mp3"))));
}

TEST(SeamShell, AnOpenerThatFindsNoProgramIsHeardOfLater) {
  const test::TempDir dir;
  // Stands in for xdg-open: notes what it was given, and fails for .asx as when no player is set.
  test::WriteScript(dir / "opener",
                    "echo \"$1\" >> \"$(dirname \"$0\")/opened\"\ncase \"$1\" in *.asx) exit 3;; esac\n");
  ui::QtShell shell({}, QString::fromStdString((dir / "opener").string()));
  std::vector<std::string> failed;
  shell.OnOpenFailed.Add([&](const std::string& target) { failed.push_back(target); });

  const std::string song = std::string(W1251(u8"/tmp/Песня.mp3"));
  EXPECT_TRUE(shell.Open(song));
  EXPECT_TRUE(shell.Open("/tmp/list.asx"));
  EXPECT_TRUE(shell.Open("http://example.localhost/a b"));
  ASSERT_TRUE(WaitUntil([&] { return !failed.empty(); }, 10000));
  QTest::qWait(200);
  EXPECT_EQ(failed, std::vector<std::string>{"/tmp/list.asx"});
  const std::string opened = test::ReadFile(dir / "opened");
  EXPECT_NE(opened.find("/tmp/Песня.mp3\n"), std::string::npos) << opened;
  EXPECT_NE(opened.find("http://example.localhost/a%20b\n"), std::string::npos) << opened;

  // An opener that is not there cannot start: Open says so at once.
  ui::QtShell missing({}, QString::fromStdString((dir / "absent").string()));
  EXPECT_FALSE(missing.Open(song));
}

TEST(SeamShell, WithoutAFileManagerTheFolderOpens) {
  const OpenedUrls opened;
  const test::TempDir dir;
  ui::QtShell shell(QStringLiteral("unix:path=") + QString::fromStdString((dir / "no-bus").string()));
  const std::string file = (dir / "a.mp3").string();
  EXPECT_TRUE(shell.ShowInFolder(file));
  ASSERT_EQ(opened.urls.size(), 1u);
  EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(QString::fromStdString(dir.path().string())));
}

TEST(SeamShell, AFolderNoProgramOpensIsHeardOfQuietly) {
  const OpenedUrls opened;  // would take the folder if the opener were passed by
  const test::TempDir dir;
  // Stands in for xdg-open on a desktop with no file manager: complains and fails for folders.
  test::WriteScript(dir / "opener", "echo noise; echo noise >&2; [ -d \"$1\" ] && exit 3; exit 0\n");
  ui::QtShell shell(QStringLiteral("unix:path=") + QString::fromStdString((dir / "no-bus").string()),
                    QString::fromStdString((dir / "opener").string()));
  std::vector<std::string> failed;
  shell.OnOpenFailed.Add([&](const std::string& target) { failed.push_back(target); });
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(shell.ShowInFolder((dir / "a.mp3").string()));
  const bool heard = WaitUntil([&] { return !failed.empty(); }, 10000);
  const std::string printed = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
  ASSERT_TRUE(heard);
  EXPECT_EQ(failed, std::vector<std::string>{dir.path().string()});
  EXPECT_EQ(printed.find("noise"), std::string::npos) << printed;
  EXPECT_TRUE(opened.urls.empty());
}

TEST(SeamShell, FileManagerSelectsTheFileElseTheFolderOpens) {
  if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
    GTEST_SKIP() << "no dbus-daemon";
  const PrivateBus bus;
  ASSERT_FALSE(bus.Address().isEmpty());
  QDBusConnection service = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("fake file manager"));
  ASSERT_TRUE(service.isConnected());
  FakeFileManager manager;
  ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                     QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

  OpenedUrls opened;
  const test::TempDir dir;
  ui::QtShell shell(bus.Address());
  const std::string file = dir.Write("song, live.mp3", "mp3").string();
  EXPECT_TRUE(shell.ShowInFolder(file));
  ASSERT_TRUE(WaitUntil([&] { return !manager.shown.empty(); }, 10000));
  EXPECT_EQ(manager.shown[0],
            QStringList{QUrl::fromLocalFile(QString::fromStdString(file)).toString(QUrl::FullyEncoded)});
  QTest::qWait(100);
  EXPECT_TRUE(opened.urls.empty());

  manager.fail = true;
  EXPECT_TRUE(shell.ShowInFolder(file));
  ASSERT_TRUE(WaitUntil([&] { return !opened.urls.empty(); }, 10000));
  EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(QString::fromStdString(dir.path().string())));

  // A file not there (a transfer still running, or failed) has nothing to select: its folder opens.
  manager.fail = false;
  manager.shown.clear();
  opened.urls.clear();
  EXPECT_TRUE(shell.ShowInFolder((dir / "missing.mp3").string()));
  ASSERT_EQ(opened.urls.size(), 1u);
  EXPECT_TRUE(manager.shown.empty());
  service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
  QDBusConnection::disconnectFromBus(QStringLiteral("fake file manager"));
}

}  // namespace
}  // namespace melvoro

#include "seam_shell_test.moc"

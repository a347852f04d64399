#include "support/screenshot.h"

#include <QTest>
#include <cstdio>
#include <fstream>

#include "app/startup.h"

namespace melvoro::test {

namespace {

Configuration StartAgainst(const NetsimProcess& netsim, const TempDir& dir, MessageBoxes& boxes) {
  const Hosts hosts = netsim.HostsTable();
  std::ofstream(dir / "config.ini") << "[Hosts]\nNetwork=" << hosts.Network << "\nStorage=" << hosts.Storage
                                    << "\nLogin=" << hosts.Login << "\nRadioSpb=" << hosts.RadioSpb
                                    << "\nRadioMsk=" << hosts.RadioMsk << "\nLastFm=" << hosts.LastFm
                                    << "\nSupport=" << hosts.Support
                                    << "\n\n[Melvoro]\nUploadDir=" << dir.path().string() << "/\n";
  StartupSeams startup;
  startup.RunAuth = [](const std::filesystem::path&) { return std::string("remixsid=screenshot"); };
  startup.DesktopFolder = [&dir] { return dir.path(); };
  return LoadConfiguration(dir.path(), boxes, startup);
}

}  // namespace

QString ScreenshotFolder(int argc, char** argv) {
  if (argc == 2 && argv[1][0] != '\0') return QString::fromLocal8Bit(argv[1]);
  std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "screenshot");
  return {};
}

bool SaveScreenshot(QWidget& widget, const QString& folder, const char* name) {
  if (!QTest::qWaitForWindowExposed(&widget)) {
    std::fprintf(stderr, "the window did not come on screen\n");
    return false;
  }
  QTest::qWait(300);
  const QString path = folder + "/" + QString::fromUtf8(name);
  if (widget.grab().save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

ScreenshotEngine::ScreenshotEngine() : engine_(StartAgainst(netsim_, dir_, boxes_), ui_, boxes_) {}

}  // namespace melvoro::test

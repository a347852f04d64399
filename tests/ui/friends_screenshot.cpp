// The friends page's picture for the documentation, made against netsim: the friends list with
// one entry selected and its avatar shown. Run under Xvfb:
//   xvfb-run -a friends_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "core/shell.h"
#include "seam_wait.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"
#include "ui/form_ma.h"
#include "ui/friends_frame.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_ui_thread.h"

namespace {

class NoShell final : public melvoro::Shell {
 public:
  bool Open(const std::string&) override { return true; }
  bool ShowInFolder(const std::string&) override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: friends_screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  melvoro::test::NetsimProcess netsim;
  melvoro::test::TempDir dir;
  const melvoro::Hosts hosts = netsim.HostsTable();
  std::ofstream(dir / "config.ini") << "[Hosts]\nNetwork=" << hosts.Network << "\nStorage=" << hosts.Storage
                                    << "\n\n[Melvoro]\nUploadDir=" << dir.path().string() << "/\n";
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  NoShell shell;
  melvoro::StartupSeams startup;
  startup.RunAuth = [](const std::filesystem::path&) { return std::string("remixsid=screenshot"); };
  startup.DesktopFolder = [&dir] { return dir.path(); };
  melvoro::Engine engine(melvoro::LoadConfiguration(dir.path(), boxes, startup), ui, boxes);
  melvoro::ui::TformMa window(engine, {boxes, shell, dir / "cookies"});
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.Pages()->setCurrentIndex(2);
  melvoro::ui::TframeFriends* frame = window.FriendsFrame();
  frame->MyFriendsButton()->click();
  if (!melvoro::test::WaitUntil([&] { return frame->List()->count() > 0; })) return 1;
  const auto items = frame->List()->findItems(QString::fromUtf8("Михаил Тучкин"), Qt::MatchExactly);
  if (items.isEmpty()) return 1;
  items.front()->setSelected(true);
  if (!melvoro::test::WaitUntil([&] { return frame->PictureBox()->pixmap().width() > 16; })) return 1;
  melvoro::test::WaitUntil([] { return false; }, 300);  // let the screen settle
  const QString path = out + "/friends.png";
  if (window.grab().save(path)) return 0;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return 1;
}

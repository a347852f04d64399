// Pictures of the main window for the documentation, made against netsim: the intro screen,
// and a search with finished and running downloads. Run under Xvfb:
//   xvfb-run -a main_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "core/shell.h"
#include "downloads/download_list.h"
#include "seam_wait.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"
#include "ui/download_list_model.h"
#include "ui/form_ma.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_ui_thread.h"
#include "ui/results_frame.h"
#include "ui/singles_page.h"

namespace {

class NoShell final : public melvoro::Shell {
 public:
  bool Open(const std::string&) override { return true; }
  bool ShowInFolder(const std::string&) override { return true; }
};

bool Save(QWidget& window, const QString& path) {
  melvoro::test::WaitUntil([] { return false; }, 300);  // let the screen settle
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: main_screenshots OUTPUT_FOLDER\n");
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
  if (!QTest::qWaitForWindowExposed(&window) || !Save(window, out + "/main-intro.png")) return 1;

  window.Singles()->SearchBox()->setText(QString::fromUtf8("Северный Ветер"));
  window.OnSearchClicked();
  melvoro::ui::TFrame1* frame = window.ResultsFrame();
  if (!melvoro::test::WaitUntil([&] { return frame->NameLabel(1)->isVisible(); })) return 1;
  // The first song comes slowly, so one row shows a download under way.
  melvoro::ResultRows& results = engine.Results();
  results.Queue(1);
  engine.Queue().AddFoundSong(1, results.NameText(1), results.Row(1).Song.Link + "?netsim_rate=300000");
  for (int n : {2, 4}) window.OnRowClicked(n);
  const melvoro::DownloadList& list = engine.Queue().List();
  melvoro::test::WaitUntil([&] {
    return list.Count() == 4 && list.Row(2).State == melvoro::DownloadState::Done &&
           list.Row(3).State == melvoro::DownloadState::Done;
  });
  melvoro::test::WaitUntil([] { return false; }, 2500);
  window.ListModel()->Flush();
  return Save(window, out + "/main.png") ? 0 : 1;
}

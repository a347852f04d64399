// Pictures of the main window for the documentation, made against netsim: the intro screen,
// and a search with finished and running downloads. Run under Xvfb:
//   xvfb-run -a main_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "downloads/download_list.h"
#include "seam_wait.h"
#include "support/screenshot.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = melvoro::test::ScreenshotFolder(argc, argv);
  if (out.isEmpty()) return 2;
  melvoro::test::ScreenshotEngine scene;
  melvoro::Engine& engine = scene.engine();
  melvoro::ui::MainWindow window(engine, scene.MainSeams());
  window.show();
  if (!melvoro::test::SaveScreenshot(window, out, "main-intro.png")) return 1;

  window.Singles()->SearchBox()->setText(QString::fromUtf8("Северный Ветер"));
  window.OnSearchClicked();
  melvoro::ui::ResultsFrame* frame = window.ResultsPane();
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
  return melvoro::test::SaveScreenshot(window, out, "main.png") ? 0 : 1;
}

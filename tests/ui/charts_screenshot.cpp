// The documentation's picture of the charts window with a station's chart loaded, a few
// entries checked and two handed over, made against netsim. Run under Xvfb:
//   xvfb-run -a charts_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app/engine.h"
#include "seam_wait.h"
#include "support/netsim_process.h"
#include "ui/form_charts.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_ui_thread.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: charts_screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  melvoro::test::NetsimProcess netsim;
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  melvoro::Configuration config;
  config.Hosts = netsim.HostsTable();
  melvoro::Engine engine(std::move(config), ui, boxes);
  melvoro::ui::TForm5 window(engine.Charts());
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  QComboBox* stations = window.SpbStationBox();
  stations->setCurrentIndex(1);
  emit stations->activated(1);
  if (!melvoro::test::WaitUntil(
          [&] { return !engine.Charts().Loading() && window.EntryList()->count() > 0; }))
    return 1;
  for (int row : {0, 2}) window.EntryList()->item(row)->setCheckState(Qt::Checked);
  window.OkButton()->click();
  for (int row : {3, 5}) window.EntryList()->item(row)->setCheckState(Qt::Checked);
  window.MemoBox()->setPlainText(
      QString::fromUtf8("Северный Ветер - Снег над Невой\nGlass Otters - Tidewater"));
  window.ArtistBox()->setText(QStringLiteral("Glass Otters"));
  melvoro::test::WaitUntil([] { return false; }, 300);  // let the screen settle
  const QString path = QString::fromLocal8Bit(argv[1]) + "/charts.png";
  if (window.grab().save(path)) return 0;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return 1;
}

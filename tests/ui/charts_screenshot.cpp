// The documentation's picture of the charts window with a station's chart loaded, a few
// entries checked and two handed over, made against netsim. Run under Xvfb:
//   xvfb-run -a charts_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "seam_wait.h"
#include "support/screenshot.h"
#include "ui/charts/charts_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = melvoro::test::ScreenshotFolder(argc, argv);
  if (out.isEmpty()) return 2;
  melvoro::test::ScreenshotEngine scene;
  melvoro::Engine& engine = scene.engine();
  melvoro::ui::ChartsWindow window(engine.Charts());
  window.show();

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
  return melvoro::test::SaveScreenshot(window, out, "charts.png") ? 0 : 1;
}

// The documentation's picture of the update helper's window after a check against netsim that
// finds a newer version. Run under Xvfb:
//   MELVORO_BIN_DIR=<build>/bin xvfb-run -a update_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "answer_box.h"
#include "support/netsim_process.h"
#include "ui/qt_translation.h"
#include "update/version_check.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  melvoro::ui::LoadQtTranslation(app);  // as the helper does
  if (argc != 2) {
    std::fprintf(stderr, "usage: update_screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  const melvoro::test::NetsimProcess netsim;
  const melvoro::UpdateCheckResult result = melvoro::CheckForUpdate(netsim.HostsTable(), MELVORO_VERSION);
  melvoro::update::AnswerBox box(result);
  box.show();
  if (!QTest::qWaitForWindowExposed(&box)) return 1;
  QTest::qWait(300);  // let the screen settle
  const QString path = QString::fromLocal8Bit(argv[1]) + "/update.png";
  if (box.grab().save(path)) return 0;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return 1;
}

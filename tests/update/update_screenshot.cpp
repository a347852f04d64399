// The documentation's picture of the update helper's window after a check against netsim that
// finds a newer version. Run under Xvfb:
//   MELVORO_BIN_DIR=<build>/bin xvfb-run -a update_screenshot OUTPUT_FOLDER
#include <QApplication>

#include "answer_box.h"
#include "qt_seams/qt_translation.h"
#include "support/netsim_process.h"
#include "support/screenshot.h"
#include "update/version_check.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  melvoro::ui::LoadQtTranslation(app);  // as the helper does
  const QString out = melvoro::test::ScreenshotFolder(argc, argv);
  if (out.isEmpty()) return 2;
  const melvoro::test::NetsimProcess netsim;
  const melvoro::UpdateCheckResult result = melvoro::CheckForUpdate(netsim.HostsTable(), MELVORO_VERSION);
  melvoro::update::AnswerBox box;
  box.ShowResult(result);
  box.show();
  return melvoro::test::SaveScreenshot(box, out, "update.png") ? 0 : 1;
}
